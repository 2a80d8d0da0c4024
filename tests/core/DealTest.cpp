#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using DealTest = GameTest;

TEST_F(DealTest, StartsEveryGameFromTheSameState) {
  game.Score = 1200;
  game.TimeLeft = 12.3;
  game.linTime.X2 = 100;
  game.Picked = {0, 9, 10};
  game.Cells[9].Frame = FrameLook::Picked;
  game.Cells[20].Tag = CellTag::A;
  random.kinds = KindsOf(FirstPairMove);
  toolkit.atYield[1] = [&] {  // the board as first painted
    EXPECT_EQ(Show(game.Cells), Show(FirstPairMove));
    EXPECT_TRUE(AllShownAndUntagged());
    EXPECT_EQ(RedFrames(), 0);
    EXPECT_FALSE(game.ScoringOn);
  };
  game.Form_Load();
  EXPECT_EQ(toolkit.yields, 1);
  EXPECT_EQ(game.Score, 0);
  EXPECT_EQ(game.lblscore.Caption, "0");
  EXPECT_EQ(game.TimeLeft, 90.0);
  EXPECT_EQ(game.lblDisplayTime.Caption, "90.0");
  EXPECT_EQ(game.linTime.X2, 4485.0f);
  EXPECT_EQ(game.Picked[1], NoCell);
  EXPECT_EQ(game.Picked[2], NoCell);
  EXPECT_EQ(game.SavedPick, NoCell);
  EXPECT_TRUE(game.ScoringOn);
  EXPECT_FALSE(game.TestingMoves);
  EXPECT_TRUE(toolkit.timelineEnabled);
  EXPECT_EQ(toolkit.size, std::make_pair(4890, 6270));
  EXPECT_EQ(toolkit.log.front(), "Clock on");
  EXPECT_EQ(toolkit.log.back(), "DoEvents");
}

TEST_F(DealTest, ReseedsFromTheTimeOfDayAtEveryDeal) {
  toolkit.clock = 100.25f;
  game.Form_Load();
  toolkit.clock = 200.5f;
  game.Form_Load();
  EXPECT_EQ(random.seeds, (std::vector<float>{100.25f, 200.5f}));
}

TEST_F(DealTest, DrawsEveryKindAndNothingElse) {
  std::array<int, GemKinds + 1> seen{};
  for (int deal = 0; deal < 50; ++deal) {
    toolkit.clock = 1000.0f + deal;
    game.Form_Load();
    for (const Cell& cell : game.Cells) {
      ASSERT_GE(cell.Kind, 1);
      ASSERT_LE(cell.Kind, GemKinds);
      ++seen[cell.Kind];
    }
  }
  for (int kind = 1; kind <= GemKinds; ++kind) EXPECT_GT(seen[kind], 300) << "kind " << kind;
}

TEST_F(DealTest, RunsOfTheDealtBoardVanishWithoutScoring) {
  std::deque<int> kinds = KindsOf({"55541234", "34123412", "12341234", "34123412", "12341234",
                                   "34123412", "12341234", "34123412"});
  kinds.insert(kinds.end(), {6, 7, 6});  // the refill of row 0 in columns A to C
  random.kinds = kinds;
  game.Form_Load();
  EXPECT_EQ(game.Score, 0);
  EXPECT_EQ(game.lblscore.Caption, "0");
  EXPECT_EQ(game.linTime.X2, 4485.0f);
  EXPECT_TRUE(AllShownAndUntagged());
  EXPECT_FALSE(HoldsRun());
  EXPECT_TRUE(game.ScoringOn);
}

TEST_F(DealTest, AHiddenCellStaysHiddenUntilARefill) {
  random.kinds = KindsOf(Stuck);
  game.Cells[12].Visible = false;
  toolkit.atYield[1] = [&] { EXPECT_FALSE(game.Cells[12].Visible); };
  game.Form_Load();
  EXPECT_EQ(toolkit.yields, 1);
  EXPECT_FALSE(game.Cells[12].Visible);
}

TEST_F(DealTest, NewGameTakesBackAPick) {
  Deal(FirstPairMove);
  Click(9);
  ASSERT_EQ(game.Cells[9].Frame, FrameLook::Picked);
  game.mnuNewGame_Click();
  EXPECT_EQ(RedFrames(), 0);
  EXPECT_EQ(game.Picked[1], NoCell);
  Click(9);
  EXPECT_EQ(game.Picked[1], 9);
}

}  // namespace
}  // namespace glimmerix::testing
