#include "ui/access/Narrator.h"

#include "ui/access/Announcer.h"
#include "ui/access/CellNames.h"
#include "ui/windows/BoardView.h"

namespace glimmerix {

namespace {
constexpr double WarningSeconds = 10.05;  // the clock shows "10.0"
}  // namespace

Narrator::Narrator(const frmMain& game, const BoardView& board, Announcer& announcer)
    : game_(game), board_(board), announcer_(announcer) {}

Narrator::Moment Narrator::now() const {
  const std::int16_t cell = board_.cursor().cell();
  const Cell& c = game_.Cells[cell];
  return {game_.Tally, game_.Picked[1], game_.TimeLeft, cell, c.Visible ? c.Kind : std::int16_t{0}};
}

void Narrator::eventBegan() {
  before_ = now();
}

int Narrator::grew(int Tallies::*count) const {
  return game_.Tally.*count - before_.tally.*count;
}

// A cascade that changed the gem under the cursor names it once more after the rest.
void Narrator::eventEnded() {
  QStringList words = said();
  const Moment after = now();
  if (!words.isEmpty() && after.cursorCell == before_.cursorCell &&
      after.cursorGem != before_.cursorGem) {
    words << CellName(game_.Cells[after.cursorCell], after.cursorCell);
  }
  if (!words.isEmpty()) announcer_.announce(words.join(QStringLiteral(". ")));
}

// An event that changes nothing a player could notice says nothing either.
QStringList Narrator::said() const {
  QStringList words;
  if (grew(&Tallies::GamesDealt)) words << tr("New game: %1 seconds").arg(GameSeconds);
  if (grew(&Tallies::ExchangesMade)) words << exchanged();
  if (grew(&Tallies::ExchangesRefused)) words << tr("No run: the gems stay");
  if (const QString pick = aboutThePick(); !pick.isEmpty()) words << pick;
  if (grew(&Tallies::BoardsRedealt)) words << tr("New board");
  if (before_.timeLeft >= WarningSeconds && game_.TimeLeft < WarningSeconds && game_.TimeLeft > 0)
    words << tr("10 seconds left");
  return words;
}

// A new pick, a pick let go, or a second click too far from the pick to exchange.
QString Narrator::aboutThePick() const {
  const std::int16_t pick = game_.Picked[1];
  if (grew(&Tallies::ClicksTooFar) && pick != NoCell)
    return tr("Not beside the pick: %1 stays picked").arg(PlaceName(pick));
  if (pick != NoCell && pick != before_.pick)
    return tr("Picked %1").arg(GemPlaceName(game_.Cells[pick], pick));
  const bool exchangedOrDealt = grew(&Tallies::ExchangesMade) || grew(&Tallies::ExchangesRefused) ||
                                grew(&Tallies::GamesDealt);
  if (pick == NoCell && before_.pick != NoCell && !exchangedOrDealt) return tr("Pick dropped");
  return {};
}

QString Narrator::exchanged() const {
  const int cleared = grew(&Tallies::GemsCleared);
  const int bonus = grew(&Tallies::PointsForBonuses);
  const int points = grew(&Tallies::PointsForGems) + bonus;
  const QString score = QString::fromStdString(game_.lblscore.Caption);
  if (grew(&Tallies::BonusesPaid)) {
    return tr("Exchanged: %n gems cleared, %1 points with a bonus of %2. Score %3", nullptr,
              cleared)
        .arg(points)
        .arg(bonus)
        .arg(score);
  }
  return tr("Exchanged: %n gems cleared, %1 points. Score %2", nullptr, cleared)
      .arg(points)
      .arg(score);
}

}  // namespace glimmerix
