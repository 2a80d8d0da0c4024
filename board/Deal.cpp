#include <cmath>

#include "game/frmMain.h"

namespace glimmerix {

void frmMain::Form_Load() {
  toolkit_.SetTimelineEnabled(true);  // from here ticks can arrive at every yield
  linTime.X2 = DealtBarEnd;
  TimeLeft = GameSeconds;
  lblDisplayTime.Caption = FormatTime(TimeLeft);
  TestingMoves = false;
  MoveFound = false;
  Score = 0;
  lblscore.Caption = std::to_string(Score);
  Picked[1] = Picked[2] = SavedPick = NoCell;
  random_.Randomize(toolkit_.Timer());
  toolkit_.SetSize(Form::Main, DealtWidth, DealtHeight);
  for (std::int16_t row = 0; row < Rows; ++row) {
    for (std::int16_t column = 0; column < Columns; ++column) {
      Cells[CellAt(column, row)].Frame = FrameLook::Plain;
    }
  }
  DealGems();  // a hidden cell stays hidden until a refill reaches it
  toolkit_.Show(Form::Main);
  toolkit_.DoEvents();
  ScoringOn = false;  // the runs a deal happens to hold are free
  SettleBoard();
  ScoringOn = true;
  ++Tally.GamesDealt;
}

void frmMain::DealGems() {
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    Cells[cell].Tag = CellTag::Empty;
    DrawGem(cell);
  }
}

void frmMain::DrawGem(std::int16_t cell) {
  GemKind = static_cast<std::int16_t>(std::floor(GemKinds * random_.Rnd()) + 1);
  Cells[cell].Kind = GemKind;
}

// Clears the runs of a freshly dealt board, wave after wave, until none is left.
void frmMain::SettleBoard() {
  do {
    FindMatches();
    if (!MatchFound) return;
    RemoveMatches();
    DropGems();
    RefillBoard();
  } while (MatchFound);
}

}  // namespace glimmerix
