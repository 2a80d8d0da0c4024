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

// A board set off by an exchange (or, with no exchange, by the deal), the kinds its
// refills draw, and for each wave the board with its runs, with the runs gone and
// with the gems fallen; then the settled board, the score and the bar.
struct Cascade {
  Picture board;
  int first, second;  // NoCell: the deal settles the board
  std::deque<int> refills;
  std::vector<std::array<const char*, 3>> waves;
  const char* settled;
  int score;
  float bar;
  Tallies counted;  // from the exchange, or the deal, on
};

// What the player sees, yield by yield: the deal's board once; then in every wave the
// runs, the gaps twice (end of removing, start of falling), the fallen gems twice
// (end of falling, start of refilling). The refill shows at the next wave or at the end.
TEST_F(CascadeTest, EachYieldShowsTheNextStepOfEveryWave) {
  const std::vector<Cascade> cascades{
      {.board = {"12341234", "34123412", "12341234", "34123512", "12355234", "34123412", "12341234",
                 "34123412"},
       .first = 44,  // F4 with F3 above it: a run across row 4, three columns fall a row
       .second = 43,
       .refills = {6, 7, 6},
       .waves = {{"12341234 34123412 12341234 34123212 12355534 34123412 12341234 34123412",
                  "12341234 34123412 12341234 34123212 123...34 34123412 12341234 34123412",
                  "123...34 34141212 12323434 34141212 12323234 34123412 12341234 34123412"}},
       .settled = "12367634 34141212 12323434 34141212 12323234 34123412 12341234 34123412",
       .score = 30,
       .bar = 4635,
       .counted = {.ExchangesMade = 1,
                   .GemsCleared = 3,
                   .PointsForGems = 30,
                   .RunsAcross = {0, 0, 0, 0, 1}}},
      {.board = {"12341234", "34123412", "12341234", "34123415", "12341235", "34123452", "12341234",
                 "34123412"},
       .first = 53,  // G5 with H5: a run down column H, the gems above fall three rows
       .second = 61,
       .refills = {6, 7, 6},
       .waves = {{"12341234 34123412 12341234 34123415 12341235 34123425 12341234 34123412",
                  "12341234 34123412 12341234 3412341. 1234123. 3412342. 12341234 34123412",
                  "1234123. 3412341. 1234123. 34123414 12341232 34123424 12341234 34123412"}},
       .settled = "12341236 34123417 12341236 34123414 12341232 34123424 12341234 34123412",
       .score = 30,
       .bar = 4635,
       .counted = {.ExchangesMade = 1,
                   .GemsCleared = 3,
                   .PointsForGems = 30,
                   .RunsDown = {0, 0, 0, 0, 0, 0, 0, 1}}},
      {.board = {"12341234", "34123412", "12241234", "54123412", "52341234", "35123412", "12341234",
                 "34123412"},
       .first = 13,  // B5 with A5: a run down column A; its refill lines up row 2
       .second = 5,
       .refills = {6, 7, 2, 5, 6, 5},
       .waves = {{"12341234 34123412 12241234 54123412 52341234 53123412 12341234 34123412",
                  "12341234 34123412 12241234 .4123412 .2341234 .3123412 12341234 34123412",
                  ".2341234 .4123412 .2241234 14123412 32341234 13123412 12341234 34123412"},
                 {"62341234 74123412 22241234 14123412 32341234 13123412 12341234 34123412",
                  "62341234 74123412 ...41234 14123412 32341234 13123412 12341234 34123412",
                  "...41234 62323412 74141234 14123412 32341234 13123412 12341234 34123412"}},
       .settled = "56541234 62323412 74141234 14123412 32341234 13123412 12341234 34123412",
       .score = 360,  // the sixth gem, the last of the second run, pays the bonus
       .bar = 2400,
       .counted = {.ExchangesMade = 1,
                   .GemsCleared = 6,
                   .PointsForGems = 60,
                   .BonusesPaid = 1,
                   .PointsForBonuses = 300,
                   .RunsAcross = {0, 0, 1},
                   .RunsDown = {1}}},
      {.board = {"12341235", "34123415", "12341235", "34123415", "12366635", "34123415", "12341235",
                 "34123415"},
       .first = NoCell,  // dealt with all of column H and a run across row 4: no points
       .second = NoCell,
       .refills = {6, 7, 6, 1, 3, 1, 3, 2, 4, 2, 4},
       .waves = {{"12341235 34123415 12341235 34123415 12366635 34123415 12341235 34123415",
                  "1234123. 3412341. 1234123. 3412341. 123...3. 3412341. 1234123. 3412341.",
                  "123...3. 3414121. 1232343. 3414121. 1232343. 3412341. 1234123. 3412341."}},
       .settled = "12367631 34141213 12323431 34141213 12323432 34123414 12341232 34123414",
       .score = 0,
       .bar = 4485,
       .counted = {.GamesDealt = 1}},
  };
  for (const Cascade& cascade : cascades) {
    SCOPED_TRACE(Show(cascade.board));
    std::vector<std::string> expected;
    if (cascade.first == NoCell) {
      random.kinds = KindsOf(cascade.board);
      expected.push_back(Flat(cascade.board));
    } else {
      Deal(cascade.board);
    }
    for (const auto& [marked, gone, fallen] : cascade.waves) {
      expected.insert(expected.end(), {marked, gone, gone, fallen, fallen});
    }
    game.Tally = {};
    std::vector<std::string> painted;
    toolkit.onEveryYield = [&] { painted.push_back(Flat(game.Cells)); };
    random.kinds.insert(random.kinds.end(), cascade.refills.begin(), cascade.refills.end());
    if (cascade.first == NoCell) {
      game.Form_Load();
    } else {
      Click(static_cast<std::int16_t>(cascade.first));
      Click(static_cast<std::int16_t>(cascade.second));
    }
    EXPECT_EQ(painted, expected);
    EXPECT_EQ(Flat(game.Cells), cascade.settled);
    EXPECT_TRUE(AllShownAndUntagged());
    EXPECT_EQ(game.Score, cascade.score);
    EXPECT_EQ(game.lblscore.Caption, std::to_string(cascade.score));
    EXPECT_EQ(game.linTime.X2, cascade.bar);
    EXPECT_EQ(game.Tally, cascade.counted);
    EXPECT_TRUE(toolkit.boxes.empty());
    EXPECT_EQ(game.Picked[1], NoCell);
    EXPECT_EQ(game.SavedPick, NoCell);
    EXPECT_EQ(RedFrames(), 0);
    toolkit.onEveryYield = nullptr;
  }
}

}  // namespace
}  // namespace glimmerix::testing
