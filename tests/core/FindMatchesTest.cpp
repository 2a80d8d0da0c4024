#include <gtest/gtest.h>

#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using FindMatchesTest = GameTest;

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
      cell.Tag = chance.Rnd() < 0.05 ? CellTag::A : CellTag::Empty;  // marks a scan never clears
      cell.Visible = chance.Rnd() < 0.9;  // a hidden cell takes part with its last kind
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
