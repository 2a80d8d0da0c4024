#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using MovesCheckTest = GameTest;

// A board without moves but for three gems of kind 5 that one exchange lines up.
struct OnlyMove {
  std::array<int, 3> fives;
  std::pair<int, int> move;
};

// The only move may lie anywhere in the order of the pairs tried; every pair is tried,
// each trial is undone, and each check starts afresh: the board without moves that
// follows is dealt again although the check before it found a move.
TEST_F(MovesCheckTest, FindsTheOnlyMoveWhereverItLiesAndForgetsItByTheNextCheck) {
  Deal(Stuck);
  const std::vector<OnlyMove> boards{{{1, 2, 8}, {0, 8}},        // A0-B0, the first pair
                                     {{1, 8, 16}, {0, 1}},       // A1-A0, the first upwards
                                     {{49, 50, 56}, {48, 56}},   // G0-H0, the end of row 0
                                     {{49, 50, 59}, {51, 59}},   // G3-H3
                                     {{36, 44, 51}, {51, 52}},   // G4-G3
                                     {{61, 62, 59}, {59, 60}},   // H4-H3
                                     {{4, 12, 21}, {20, 21}},    // C5-C4
                                     {{5, 6, 15}, {7, 15}},      // A7-B7
                                     {{47, 55, 62}, {62, 63}}};  // H7-H6, the last pair
  for (const auto& [fives, move] : boards) {
    SetBoard(game.Cells, Stuck);
    for (int cell : fives) game.Cells[cell].Kind = 5;
    ASSERT_EQ(Moves(game.Cells), (std::vector{move}));
    const Board before = game.Cells;
    const Tallies counted = game.Tally;
    game.CheckForMoves();
    EXPECT_EQ(game.Cells, before) << move.first << "-" << move.second;
    EXPECT_EQ(game.Tally, counted) << "the trial exchanges count nothing";
    EXPECT_EQ(
        State(),
        (GameState{0, "0", 90.0, "90.0", 4485, {NoCell, 62, NoCell}, true, false, true, true}));
    EXPECT_EQ(game.imgSwap, before[62].Kind) << "the last pair tried is H7 with H6";
    EXPECT_TRUE(toolkit.boxes.empty());

    SetBoard(game.Cells, Stuck);
    random.kinds = KindsOf(Stuck);
    game.CheckForMoves();
    EXPECT_EQ(toolkit.boxes.size(), 1u);
    EXPECT_EQ(game.Tally.BoardsRedealt, counted.BoardsRedealt + 1);
    toolkit.boxes.clear();
  }
  EXPECT_EQ(toolkit.yields, 0);
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
  kinds.insert(kinds.end(), {3, 5, 6});  // and its refill: A2 with A3 is then a move
  random.kinds = kinds;
  game.CheckForMoves();
  EXPECT_EQ(game.Score, 100);
  EXPECT_EQ(game.lblscore.Caption, "100");
  EXPECT_EQ(game.Tally, (Tallies{.GamesDealt = 1, .BoardsRedealt = 1, .BoxesShown = 1}))
      << "its run is free";
  EXPECT_TRUE(AllShownAndUntagged());
  EXPECT_FALSE(HoldsRun());
  EXPECT_TRUE(game.ScoringOn);
  // The clock stands still while the new board settles, its one wave included.
  std::vector<std::string> log{"Clock off", "MsgBox No More Moves"};
  log.insert(log.end(), 5, "DoEvents");
  log.push_back("Clock on");
  EXPECT_EQ(toolkit.log, log);
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
// first click would pair with it and shift every pair after. It is back, red, when the
// box for a board without moves shows, and still picked on the board dealt after it.
TEST_F(MovesCheckTest, APlayersPickSitsOutTheCheckAndStaysPicked) {
  struct Case {
    Picture board;
    std::int16_t pick;
    std::size_t boxes;
  };
  for (const auto& [board, pick, boxes] :
       {Case{FirstPairMove, 27, 0}, Case{FirstPairMove, 0, 0}, Case{LastPairMove, 27, 0},
        Case{LastPairMove, 62, 0}, Case{Stuck, 27, 1}}) {
    Deal(board);
    Click(pick);
    toolkit.whileBoxOpen = [&] {
      EXPECT_EQ(game.Picked[1], pick);
      EXPECT_EQ(game.Cells[pick].Frame, FrameLook::Picked);
    };
    random.kinds = KindsOf(board);
    game.CheckForMoves();
    EXPECT_EQ(toolkit.boxes.size(), boxes) << "pick " << pick;
    EXPECT_EQ(game.Picked[1], pick);
    EXPECT_EQ(game.Cells[pick].Frame, FrameLook::Picked);
    EXPECT_EQ(RedFrames(), 1);
    EXPECT_EQ(Show(game.Cells), Show(board));
  }
}

}  // namespace
}  // namespace glimmerix::testing
