#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using MovesCheckTest = GameTest;

TEST_F(MovesCheckTest, TriesEveryPairAndLeavesTheBoardAsItFoundIt) {
  for (const Picture& board : {FirstPairMove, LastPairMove}) {
    Deal(board);
    const Board before = game.Cells;
    game.CheckForMoves();
    EXPECT_TRUE(game.MoveFound);
    EXPECT_FALSE(game.TestingMoves);
    EXPECT_EQ(game.Cells, before);
    EXPECT_EQ(game.Picked[1], NoCell);
    EXPECT_EQ(game.SavedPick, NoCell);
    // The last pair tried is H7 with H6, even when the first pair was a move.
    EXPECT_EQ(game.Picked[2], 62);
    EXPECT_EQ(game.imgSwap, before[62].Kind);
    EXPECT_TRUE(toolkit.boxes.empty());
    EXPECT_EQ(toolkit.yields, 0);
  }
}

TEST_F(MovesCheckTest, ABoardWithoutMovesIsDealtAgainKeepingScoreTimeAndBar) {
  Deal(Stuck);
  game.Score = 470;
  game.lblscore.Caption = "470";
  game.TimeLeft = 41.3;
  game.linTime.X2 = 3000;
  toolkit.whileBoxOpen = [&] {
    EXPECT_FALSE(toolkit.timelineEnabled);
    EXPECT_EQ(Show(game.Cells), Show(Stuck)) << "the board without moves stays behind the box";
  };
  random.kinds = KindsOf(FirstPairMove);
  game.CheckForMoves();
  ASSERT_EQ(toolkit.boxes.size(), 1u);
  EXPECT_EQ(toolkit.boxes[0].title, "No More Moves");
  EXPECT_EQ(toolkit.boxes[0].prompt,
            "There are no more moves available.\r\n\r\nClick OK to reset the board.");
  EXPECT_EQ(Show(game.Cells), Show(FirstPairMove));
  EXPECT_EQ(game.Score, 470);
  EXPECT_EQ(game.TimeLeft, 41.3);
  EXPECT_EQ(game.linTime.X2, 3000.0f);
  EXPECT_TRUE(toolkit.timelineEnabled);
  EXPECT_TRUE(game.ScoringOn);
  EXPECT_EQ(random.seeds.size(), 1u) << "only the deal reseeds";
  EXPECT_EQ(toolkit.log,
            (std::vector<std::string>{"Clock off", "MsgBox No More Moves", "Clock on"}));
}

TEST_F(MovesCheckTest, ARedealtBoardSettlesWithoutScoring) {
  Deal(Stuck);
  game.Score = 100;
  std::deque<int> kinds = KindsOf(Stuck);
  kinds[0] = kinds[8] = kinds[16] = 7;   // row 0, columns A to C: a run
  kinds.insert(kinds.end(), {5, 6, 5});  // and its refill; the board then has a move
  random.kinds = kinds;
  game.CheckForMoves();
  EXPECT_EQ(game.Score, 100);
  EXPECT_EQ(game.lblscore.Caption, "100");
  EXPECT_TRUE(AllShownAndUntagged());
  EXPECT_FALSE(HoldsRun());
  EXPECT_TRUE(game.ScoringOn);
  EXPECT_TRUE(toolkit.timelineEnabled);
}

TEST_F(MovesCheckTest, ARedealWithoutMovesAsksAgainBeforeTheFirstEnds) {
  Deal(Stuck);
  std::deque<int> kinds = KindsOf(Stuck);
  kinds[0] = kinds[8] = kinds[16] = 7;
  kinds.insert(kinds.end(), {1, 2, 3});  // the refill restores the board without moves
  for (int k : KindsOf(FirstPairMove)) kinds.push_back(k);
  random.kinds = kinds;
  game.CheckForMoves();
  EXPECT_EQ(toolkit.boxes.size(), 2u);
  EXPECT_EQ(Show(game.Cells), Show(FirstPairMove));
  EXPECT_TRUE(toolkit.timelineEnabled);
  EXPECT_TRUE(game.ScoringOn);
}

// A cell picked at a cascade's yield sits out the check; without that, the check's
// first click would pair with it and shift every pair after.
TEST_F(MovesCheckTest, APlayersPickSitsOutTheCheckAndStaysPicked) {
  Deal(LastPairMove);
  Click(27);
  game.CheckForMoves();
  EXPECT_TRUE(game.MoveFound);
  EXPECT_TRUE(toolkit.boxes.empty());
  EXPECT_EQ(game.Picked[1], 27);
  EXPECT_EQ(game.Cells[27].Frame, FrameLook::Picked);
  EXPECT_EQ(RedFrames(), 1);
  EXPECT_EQ(Show(game.Cells), Show(LastPairMove));
}

}  // namespace
}  // namespace glimmerix::testing
