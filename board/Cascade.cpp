#include "game/frmMain.h"

namespace glimmerix {

// The marked gems vanish and score. The player sees the runs at the first yield and
// the gaps at the second.
void frmMain::RemoveMatches() {
  toolkit_.DoEvents();
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    if (Cells[cell].Tag != CellTag::A) continue;
    Cells[cell].Tag = CellTag::Empty;
    Cells[cell].Visible = false;
    ScoreGem();
  }
  toolkit_.DoEvents();
}

// Gravity: seven bottom-up passes per column carry every gap to the top, even a
// lone gem at row 0 above seven gaps. Tags stay where they are.
void frmMain::DropGems() {
  toolkit_.DoEvents();
  for (std::int16_t column = 0; column < Columns; ++column) {
    const std::int16_t top = CellAt(column, 0);
    for (int pass = 0; pass < Rows - 1; ++pass) {
      for (std::int16_t cell = top + Rows - 1; cell > top; --cell) {
        Cell& below = Cells[cell];
        Cell& above = Cells[cell - 1];
        if (below.Visible) continue;
        below.Kind = above.Kind;
        if (above.Visible) below.Visible = true;
        above.Visible = false;
      }
    }
  }
  toolkit_.DoEvents();
}

// New gems fill the gaps; runs they form start the next wave, nested. Every wave
// ends with the moves check, the innermost (on the final board) first.
void frmMain::RefillBoard() {
  toolkit_.DoEvents();
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    if (Cells[cell].Visible) continue;
    DrawGem(cell);
    Cells[cell].Visible = true;
  }
  FindMatches();
  if (MatchFound) {
    RemoveMatches();
    DropGems();
    RefillBoard();
  }
  CheckForMoves();
}

}  // namespace glimmerix
