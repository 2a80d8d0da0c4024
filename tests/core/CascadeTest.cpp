#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using CascadeTest = GameTest;

// Column A holds 1..8 top to bottom (as kinds 1-7, then 1) so every move is visible.
void HideInColumnA(frmMain& game, std::initializer_list<int> rows) {
  for (std::int16_t row = 0; row < Rows; ++row) {
    game.Cells[row].Kind = static_cast<std::int16_t>(row % 7 + 1);
    game.Cells[row].Visible = true;
  }
  for (int row : rows) game.Cells[row].Visible = false;
}

std::string ColumnA(const frmMain& game) {
  std::string out;
  for (std::int16_t row = 0; row < Rows; ++row) {
    out += game.Cells[row].Visible ? static_cast<char>('0' + game.Cells[row].Kind) : '.';
  }
  return out;
}

TEST_F(CascadeTest, GemsFallIntoGapsKeepingTheirOrder) {
  SetBoard(game.Cells, Stuck);
  HideInColumnA(game, {7});
  game.DropGems();
  EXPECT_EQ(ColumnA(game), ".1234567");

  HideInColumnA(game, {1, 2, 3, 4, 5, 6, 7});
  game.DropGems();
  EXPECT_EQ(ColumnA(game), ".......1");

  HideInColumnA(game, {2, 5});
  game.DropGems();
  EXPECT_EQ(ColumnA(game), "..124571");
  EXPECT_EQ(toolkit.yields, 6);
}

TEST_F(CascadeTest, FallingMovesKindsButNeverTags) {
  SetBoard(game.Cells, Stuck);
  game.Cells[7].Visible = false;
  game.Cells[3].Tag = CellTag::A;
  game.DropGems();
  EXPECT_EQ(game.Cells[3].Tag, CellTag::A);
  EXPECT_EQ(game.Cells[4].Tag, CellTag::Empty);
}

TEST_F(CascadeTest, RemovingScoresEachGemOnceEvenWhereRunsCross) {
  game.ScoringOn = true;
  game.linTime.X2 = 1000;
  SetBoard(game.Cells, {"12541234", "34523412", "12541234", "36663412", "12641234", "34623412",
                        "12141234", "34123412"});
  game.FindMatches();
  game.RemoveMatches();
  EXPECT_EQ(game.Score, 80);  // column C rows 0-5 and row 3 columns B-D: eight gems
  EXPECT_EQ(game.lblscore.Caption, "80");
  EXPECT_EQ(game.linTime.X2, 1400.0f);
  EXPECT_EQ(Show(game.Cells),
            "12.41234\n34.23412\n12.41234\n3...3412\n12.41234\n34.23412\n12141234\n34123412\n");
  EXPECT_EQ(Tags(game.Cells), Tags(Board{}));
}

TEST_F(CascadeTest, RemovingWithoutMarksStillYieldsTwice) {
  SetBoard(game.Cells, Stuck);
  const Board before = game.Cells;
  game.RemoveMatches();
  EXPECT_EQ(game.Cells, before);
  EXPECT_EQ(toolkit.yields, 2);
}

// What the player sees of one wave, yield by yield, after an exchange that stands.
TEST_F(CascadeTest, EachYieldShowsTheNextStepOfTheWave) {
  Deal(FirstPairMove);
  std::vector<std::string> painted;
  toolkit.onEveryYield = [&] { painted.push_back(Show(game.Cells)); };
  random.kinds = {1, 1, 2};  // the refill of column A, top down; it leaves a move
  Click(0);
  Click(8);
  const std::string rest = "34123412\n12341234\n34123412\n12341234\n34123412\n";
  ASSERT_GE(painted.size(), 5u);
  EXPECT_EQ(painted[0], "71341234\n74123412\n72341234\n" + rest);  // exchanged, run still there
  EXPECT_EQ(painted[1], ".1341234\n.4123412\n.2341234\n" + rest);  // run gone
  EXPECT_EQ(painted[2], painted[1]);
  EXPECT_EQ(painted[3], painted[1]);  // column A had nothing above the run to fall
  EXPECT_EQ(painted[4], painted[1]);
  EXPECT_EQ(Show(game.Cells), "11341234\n14123412\n22341234\n" + rest);
  EXPECT_EQ(game.Score, 30);
  EXPECT_EQ(game.linTime.X2, 4635.0f);
  EXPECT_EQ(game.Picked[1], NoCell);
  EXPECT_EQ(RedFrames(), 0);
}

TEST_F(CascadeTest, ARefillThatFormsARunStartsTheNextWaveAndScoresIt) {
  Deal(FirstPairMove);
  random.kinds = {4, 4, 4, 1, 5, 6};  // the first refill forms 4-4-4 down column A
  Click(0);
  Click(8);
  // The sixth gem takes the bar from 4735 to 4785: a bonus, and the bar starts again.
  EXPECT_EQ(game.Score, 360);
  EXPECT_EQ(game.linTime.X2, 2400.0f);
  EXPECT_EQ(toolkit.yields, 10);
  EXPECT_EQ(std::count(toolkit.log.begin(), toolkit.log.end(), "MsgBox No More Moves"), 0);
  EXPECT_TRUE(AllShownAndUntagged());
  EXPECT_FALSE(HoldsRun());
}

}  // namespace
}  // namespace glimmerix::testing
