#include <algorithm>

#include "game/frmMain.h"

namespace glimmerix {

// One removed gem: 10 points and 50 twips of bar while scoring is on. The label is
// rewritten and the bonus checked either way.
void frmMain::ScoreGem() {
  if (ScoringOn) {
    Tally.PointsForGems += AddToScore(PointsPerGem);
    ++Tally.GemsCleared;
  }
  lblscore.Caption = std::to_string(Score);
  if (ScoringOn) linTime.X2 += BarPerGem;
  CheckBonusBar();
}

// Checked after every gem, so the bar is always short of the threshold between gems.
void frmMain::CheckBonusBar() {
  if (linTime.X2 < BonusThreshold) return;
  Tally.PointsForBonuses += AddToScore(BonusPoints);
  ++Tally.BonusesPaid;
  lblscore.Caption = std::to_string(Score);
  linTime.X2 = BarAfterBonus;
}

// The score is 16-bit: it stops at 32767 rather than wrapping to a negative number.
std::int16_t frmMain::AddToScore(std::int16_t points) {
  const std::int16_t before = Score;
  Score = static_cast<std::int16_t>(std::min<int>(MaxScore, Score + points));
  return static_cast<std::int16_t>(Score - before);
}

}  // namespace glimmerix
