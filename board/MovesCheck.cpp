#include <utility>

#include "game/Translatable.h"
#include "game/frmMain.h"

namespace glimmerix {

namespace {
constexpr auto NoMovesPrompt = TRANSLATE_NOOP(
    "frmMain", "There are no more moves available.\r\n\r\nClick OK to reset the board.");
}  // namespace

// Tries every exchange of neighbours, never painting and never stopping early; a
// board without a move is dealt afresh, keeping score, time and bar.
void frmMain::CheckForMoves() {
  // A cell picked at a cascade's yield would pair with the check's own first click
  // and shift every pair after it; it sits out the check and is picked again after.
  const std::int16_t pickAside = std::exchange(Picked[1], NoCell);
  TestingMoves = true;
  MoveFound = false;
  TryAllPairs();
  TestingMoves = false;
  if (pickAside != NoCell) {
    Picked[1] = pickAside;
    Cells[pickAside].Frame = FrameLook::Picked;
  }
  if (!MoveFound) ResetBoard();
}

// Row by row: each cell with its right neighbour, then (below row 0) with the
// cell above; column H only upwards. 112 pairs, each once.
void frmMain::TryAllPairs() {
  for (std::int16_t row = 0; row < Rows; ++row) {
    for (std::int16_t column = 0; column < Columns - 1; ++column) {
      TryPair(column, row, column + 1, row);
      if (row > 0) TryPair(column, row, column, row - 1);
    }
    if (row > 0) TryPair(Columns - 1, row, Columns - 1, row - 1);
  }
}

void frmMain::TryPair(std::int16_t column, std::int16_t row, std::int16_t toColumn,
                      std::int16_t toRow) {
  lblColumn_Click(column, row);
  lblColumn_Click(toColumn, toRow);
}

// The clock stands still from the message until the new board has settled.
void frmMain::ResetBoard() {
  toolkit_.SetTimelineEnabled(false);
  toolkit_.MsgBox(NoMovesPrompt, NoMovesTitle);
  ++Tally.BoxesShown;
  DealGems();
  ScoringOn = false;
  SettleBoard();
  ScoringOn = true;
  ++Tally.BoardsRedealt;
  toolkit_.SetTimelineEnabled(true);
}

}  // namespace glimmerix
