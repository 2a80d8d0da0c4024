#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using DealTest = GameTest;

// A game in the middle of play, with every flag and pick the deal has to reset.
TEST_F(DealTest, StartsEveryGameFromTheSameState) {
  game.Score = 1200;
  game.lblscore.Caption = "1200";
  game.TimeLeft = 12.3;
  game.lblDisplayTime.Caption = "12.3";
  game.linTime.X2 = 100;
  game.Picked = {0, 7, 10};
  game.SavedPick = 7;
  game.ScoringOn = game.TestingMoves = game.MoveFound = true;
  game.Cells[7].Frame = game.Cells[56].Frame = FrameLook::Picked;  // the corners A7 and H0
  game.Cells[20].Tag = CellTag::A;
  random.kinds = KindsOf(FirstPairMove);
  GameState dealt{0, "0", 90.0, "90.0", 4485, {NoCell, NoCell, NoCell}, true, false, false, true};
  toolkit.atYield[1] = [&] {  // the board as first painted
    EXPECT_EQ(Show(game.Cells), Show(FirstPairMove));
    EXPECT_TRUE(AllShownAndUntagged());
    EXPECT_EQ(RedFrames(), 0);
    EXPECT_EQ(State(), dealt);
  };
  game.Form_Load();
  EXPECT_EQ(toolkit.yields, 1);
  EXPECT_EQ(State(), dealt);
  EXPECT_EQ(toolkit.size, std::make_pair(4890, 6270));
  EXPECT_EQ(toolkit.log, (std::vector<std::string>{"Clock on", "Main Show", "DoEvents"}));
}

// Games started at different times of day get different boards; the same time of day
// gives the same board again.
TEST_F(DealTest, ReseedsFromTheTimeOfDayAtEveryDeal) {
  std::vector<std::string> boards;
  for (float clock : {100.25f, 200.5f, 100.25f}) {
    toolkit.clock = clock;
    game.Form_Load();
    boards.push_back(Flat(game.Cells));
  }
  EXPECT_EQ(random.seeds, (std::vector<float>{100.25f, 200.5f, 100.25f}));
  EXPECT_NE(boards[0], boards[1]);
  EXPECT_EQ(boards[0], boards[2]);
}

TEST_F(DealTest, DrawsAllSevenKindsAndNothingElse) {
  std::array<int, 9> seen{};
  for (int deal = 0; deal < 50; ++deal) {
    toolkit.clock = 1000.0f + deal;
    game.Form_Load();
    for (const Cell& cell : game.Cells) {
      ASSERT_GE(cell.Kind, 1);
      ASSERT_LE(cell.Kind, 7);
      ++seen[cell.Kind];
    }
  }
  for (int kind = 1; kind <= 7; ++kind) EXPECT_GT(seen[kind], 300) << "kind " << kind;
}

TEST_F(DealTest, AHiddenCellStaysHiddenUntilARefill) {
  random.kinds = KindsOf(Stuck);
  game.Cells[12].Visible = false;
  toolkit.atYield[1] = [&] { EXPECT_FALSE(game.Cells[12].Visible); };
  game.Form_Load();
  EXPECT_EQ(toolkit.yields, 1);
  EXPECT_FALSE(game.Cells[12].Visible);
}

}  // namespace
}  // namespace glimmerix::testing
