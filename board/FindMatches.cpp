#include "game/frmMain.h"

namespace glimmerix {

// Marks every cell that lies in a run of three or more in a column or a row, and
// reports whether there is one. Hidden cells take part with their last kind. A
// scan never clears a mark; while the moves check probes it only reports.
void frmMain::FindMatches() {
  MatchFound = false;
  for (std::int16_t column = 0; column < Columns; ++column) {
    MarkRunsInLine(CellAt(column, 0), 1);
  }
  for (std::int16_t row = 0; row < Rows; ++row) {
    MarkRunsInLine(CellAt(0, row), Rows);
  }
}

// One column (step 1) or one row (step 8): eight cells from `first`.
void frmMain::MarkRunsInLine(std::int16_t first, std::int16_t step) {
  if (TestingMoves && MatchFound) return;  // the probe's answer is already known
  int runStart = 0;
  for (int k = 1; k <= Rows; ++k) {
    const bool runGoesOn =
        k < Rows && Cells[first + k * step].Kind == Cells[first + runStart * step].Kind;
    if (runGoesOn) continue;
    if (k - runStart >= 3) {
      MatchFound = true;
      for (int m = runStart; m < k && !TestingMoves; ++m) Cells[first + m * step].Tag = CellTag::A;
      if (!TestingMoves && ScoringOn) CountRun(first, step);
    }
    runStart = k;
  }
}

// A run marked to be cleared for points, in its row (step 8) or its column (step 1).
void frmMain::CountRun(std::int16_t first, std::int16_t step) {
  if (step == Rows) {
    ++Tally.RunsAcross[RowOf(first)];
  } else {
    ++Tally.RunsDown[ColumnOf(first)];
  }
}

}  // namespace glimmerix
