#include <cmath>
#include <cstdio>
#include <string_view>

#include "game/Translatable.h"
#include "game/frmMain.h"

namespace glimmerix {

// A tenth of a game second, every 94 ms. Subtracting 0.1 in double precision leaves
// about 8e-13 after 900 ticks, so "00.0" shows for one tick and the 901st ends it.
void frmMain::tmrTimeline_Timer() {
  TimeLeft -= 0.1;
  lblDisplayTime.Caption = FormatTime(TimeLeft);
  // Once the player has scored the bar stops at 20; before that it runs off the left.
  if (linTime.X2 > BarFloor || Score <= 0) linTime.X2 -= BarPerTick;
  if (TimeLeft <= 0) EndGame();
}

// The board, score and pick stay as they are behind the game-over window.
void frmMain::EndGame() {
  toolkit_.SetTimelineEnabled(false);
  lblDisplayTime.Caption = TRANSLATE_NOOP("frmMain", "Game Over");
  toolkit_.SetVisible(Form::Main, false);
  toolkit_.SetOverScore(std::to_string(Score));
  toolkit_.SetVisible(Form::Over, true);
}

// Two writes that leave the bar as it was: they only make the window repaint it.
void frmMain::tmrFlicker_Timer() {
  linTime.X2 -= 1;
  linTime.X2 += 1;
}

void frmMain::cmdYes_Click() {
  toolkit_.SetVisible(Form::Over, false);
  toolkit_.SetVisible(Form::Main, true);
  toolkit_.SetTimelineEnabled(true);
  toolkit_.SetWindowState(Form::Main, Normal);
  Form_Load();
}

std::string FormatTime(double seconds) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%04.1f", std::fabs(seconds));
  std::string text = seconds < 0 && std::string_view(digits) != "00.0" ? "-" : "";
  text += digits;
  return text;
}

}  // namespace glimmerix
