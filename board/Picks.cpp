#include "game/frmMain.h"

namespace glimmerix {

// A click on the frame of a cell: the first pick, or the second pick that exchanges
// two neighbours. The moves check drives this same handler, pair by pair, with
// TestingMoves set, so its trial exchanges are always taken back.
void frmMain::lblColumn_Click(std::int16_t Column, std::int16_t Index) {
  const std::int16_t cell = CellAt(Column, Index);
  if (Picked[1] == NoCell) {
    Picked[1] = cell;
    Cells[cell].Frame = FrameLook::Picked;
    return;
  }
  if (!AreNeighbours(Picked[1], cell)) {  // the pick itself, or too far: ignored
    if (cell != Picked[1]) ++Tally.ClicksTooFar;
    return;
  }

  Picked[2] = cell;
  Cells[cell].Frame = FrameLook::Plain;
  SwapGems();
  FindMatches();
  if (MatchFound) MoveFound = true;
  if (MatchFound && !TestingMoves) {
    SavedPick = NoCell;
    ++Tally.ExchangesMade;
    RunCascade();
  } else {
    SwapGems();  // undone before anything is painted
    Picked[1] = NoCell;
    SavedPick = NoCell;
    if (!TestingMoves) ++Tally.ExchangesRefused;
  }
}

// The cascade of an exchange that stands: at least one wave, more while runs appear.
void frmMain::RunCascade() {
  do {
    RemoveMatches();
    DropGems();
    RefillBoard();
    FindMatches();
  } while (MatchFound);
}

// Only the picked cell's gem lies in front of its frame, so a click on it takes
// the pick back. Anywhere else a gem click reaches nothing.
void frmMain::imgrock_Click(std::int16_t Index) {
  if (Picked[1] != Index) return;
  Picked[1] = NoCell;
  Cells[Index].Frame = FrameLook::Plain;
}

// Exchanges the gems of Picked[1] and Picked[2]. Making the exchange remembers the
// first cell in SavedPick and clears the red pick; undoing it takes that cell back.
void frmMain::SwapGems() {
  if (SavedPick == NoCell) {
    SavedPick = Picked[1];
  } else {
    Picked[1] = SavedPick;
  }
  imgSwap = Cells[Picked[1]].Kind;
  Cells[Picked[1]].Kind = Cells[Picked[2]].Kind;
  Cells[Picked[2]].Kind = imgSwap;
  if (Cells[Picked[1]].Frame == FrameLook::Picked) {
    Cells[Picked[1]].Frame = FrameLook::Plain;
    Picked[1] = NoCell;
  }
}

}  // namespace glimmerix
