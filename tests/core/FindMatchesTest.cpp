#include <gtest/gtest.h>

#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

struct FindMatchesTest : GameTest {
  std::string TagsAfterScan(const Picture& picture) {
    SetBoard(game.Cells, picture);
    game.FindMatches();
    return Tags(game.Cells);
  }
};

TEST_F(FindMatchesTest, StuckBoardHasNoRunAndKeepsEveryTag) {
  EXPECT_EQ(TagsAfterScan(Stuck), Tags(Board{}));
  EXPECT_FALSE(game.MatchFound);
}

TEST_F(FindMatchesTest, MarksRunsOfEveryLengthDownAColumn) {
  EXPECT_EQ(TagsAfterScan({"12341234", "34123412", "12551234", "34523412", "12541234", "34123412",
                           "12341234", "34123412"}),
            "--------\n--------\n--A-----\n--A-----\n--A-----\n--------\n--------\n--------\n");
  EXPECT_TRUE(game.MatchFound);
  EXPECT_EQ(TagsAfterScan({"52341234", "54123412", "52341234", "54123412", "52341234", "54123412",
                           "52341234", "54123412"}),
            "A-------\nA-------\nA-------\nA-------\nA-------\nA-------\nA-------\nA-------\n");
}

TEST_F(FindMatchesTest, RunsNeverWrapFromOneColumnIntoTheNext) {
  // Cells 6, 7 and 8: the bottom of column A and the top of column B.
  EXPECT_EQ(TagsAfterScan({"15341234", "34123412", "12341234", "34123412", "12341234", "34123412",
                           "52341234", "54123412"}),
            Tags(Board{}));
  EXPECT_FALSE(game.MatchFound);
}

TEST_F(FindMatchesTest, MarksRowRunsUpToTheBoardEdges) {
  EXPECT_EQ(TagsAfterScan({"12341234", "34123412", "15555555", "34123412", "12341234", "55555552",
                           "12341234", "34123555"}),
            "--------\n--------\n-AAAAAAA\n--------\n--------\nAAAAAAA-\n--------\n-----AAA\n");
}

TEST_F(FindMatchesTest, MarksBothArmsOfATAndBothRunsOfAColumn) {
  EXPECT_EQ(TagsAfterScan({"12541234", "34523412", "12541234", "36663412", "12641234", "34623412",
                           "12541234", "34123412"}),
            "--A-----\n--A-----\n--A-----\n-AAA----\n--A-----\n--A-----\n--------\n--------\n");
}

TEST_F(FindMatchesTest, HiddenCellsTakePartWithTheirLastKind) {
  SetBoard(game.Cells, {"12341234", "34123412", "12551234", "34523412", "12541234", "34123412",
                        "12341234", "34123412"});
  game.Cells[CellAt(2, 3)].Visible = false;
  game.FindMatches();
  EXPECT_EQ(game.Cells[CellAt(2, 3)].Tag, CellTag::A);
}

TEST_F(FindMatchesTest, WhileTestingMovesItOnlyReports) {
  game.TestingMoves = true;
  EXPECT_EQ(TagsAfterScan({"12541234", "34523412", "12541234", "36663412", "12641234", "34623412",
                           "12541234", "34123412"}),
            Tags(Board{}));
  EXPECT_TRUE(game.MatchFound);
}

TEST_F(FindMatchesTest, AScanWithoutRunsLeavesEarlierMarks) {
  SetBoard(game.Cells, Stuck);
  game.Cells[5].Tag = CellTag::A;
  game.MatchFound = true;
  game.FindMatches();
  EXPECT_EQ(game.Cells[5].Tag, CellTag::A);
  EXPECT_FALSE(game.MatchFound);
}

// The rule as the game first stated it: twelve windows at every start cell.
void WindowScan(Board& cells, bool testing, bool& found) {
  found = false;
  for (int a = 0; a < CellCount; ++a) {
    for (int length = 8; length >= 3; --length) {
      for (int step : {1, 8}) {
        const bool fits = step == 1 ? a % 8 + length <= 8 : a + 8 * (length - 1) <= 63;
        if (!fits) continue;
        bool match = true;
        for (int k = 1; k < length; ++k) match &= cells[a + k * step].Kind == cells[a].Kind;
        if (!match) continue;
        found = true;
        for (int k = 0; k < length && !testing; ++k) cells[a + k * step].Tag = CellTag::A;
      }
    }
  }
}

TEST_F(FindMatchesTest, AgreesWithTheWindowScanOnRandomBoards) {
  SeededRandom chance;
  chance.Randomize(1.0f);
  for (int trial = 0; trial < 20000; ++trial) {
    const int kinds = 2 + trial % 6;  // few kinds make long runs and crossings common
    Board cells{};
    for (Cell& cell : cells) {
      cell.Kind = static_cast<std::int16_t>(1 + static_cast<int>(chance.Rnd() * kinds));
      cell.Tag = chance.Rnd() < 0.05 ? CellTag::A : CellTag::Empty;
    }
    Board expected = cells;
    bool expectedFound = false;
    const bool testing = trial % 3 == 0;
    WindowScan(expected, testing, expectedFound);
    game.Cells = cells;
    game.TestingMoves = testing;
    game.FindMatches();
    ASSERT_EQ(Tags(game.Cells), Tags(expected)) << "trial " << trial << "\n" << Show(cells);
    ASSERT_EQ(game.MatchFound, expectedFound) << "trial " << trial;
  }
}

}  // namespace
}  // namespace glimmerix::testing
