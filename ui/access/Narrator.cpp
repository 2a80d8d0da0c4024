#include "ui/access/Narrator.h"

#include "ui/access/Announcer.h"
#include "ui/access/CellNames.h"
#include "ui/windows/BoardView.h"

namespace glimmerix {

namespace {
constexpr double WarningSeconds = 10.05;  // the clock shows "10.0"

int Grew(int before, int after) {
  return after - before;
}
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

// A cascade that changed the gem under the cursor names it once more after the rest.
void Narrator::eventEnded() {
  QStringList words = said(before_);
  const Moment after = now();
  if (!words.isEmpty() && after.cursorCell == before_.cursorCell &&
      after.cursorGem != before_.cursorGem) {
    words << CellName(game_.Cells[after.cursorCell], after.cursorCell);
  }
  if (!words.isEmpty()) announcer_.announce(words.join(QStringLiteral(". ")));
}

// An event that changes nothing a player could notice says nothing either.
QStringList Narrator::said(const Moment& before) const {
  const Tallies& was = before.tally;
  const Tallies& is = game_.Tally;
  QStringList words;
  if (Grew(was.GamesDealt, is.GamesDealt)) words << tr("New game: %1 seconds").arg(GameSeconds);
  if (Grew(was.ExchangesMade, is.ExchangesMade)) words << exchanged(before);
  if (Grew(was.ExchangesRefused, is.ExchangesRefused)) words << tr("No run: the gems stay");
  if (const QString pick = aboutThePick(before); !pick.isEmpty()) words << pick;
  if (Grew(was.BoardsRedealt, is.BoardsRedealt)) words << tr("New board");
  if (before.timeLeft >= WarningSeconds && game_.TimeLeft < WarningSeconds && game_.TimeLeft > 0)
    words << tr("10 seconds left");
  return words;
}

// A new pick, a pick let go, or a second click too far from the pick to exchange.
QString Narrator::aboutThePick(const Moment& before) const {
  const Tallies& was = before.tally;
  const Tallies& is = game_.Tally;
  const std::int16_t pick = game_.Picked[1];
  if (Grew(was.ClicksTooFar, is.ClicksTooFar) && pick != NoCell)
    return tr("Not beside the pick: %1 stays picked").arg(PlaceName(pick));
  if (pick != NoCell && pick != before.pick)
    return tr("Picked %1").arg(GemPlaceName(game_.Cells[pick], pick));
  const bool exchangedOrDealt = Grew(was.ExchangesMade, is.ExchangesMade) ||
                                Grew(was.ExchangesRefused, is.ExchangesRefused) ||
                                Grew(was.GamesDealt, is.GamesDealt);
  if (pick == NoCell && before.pick != NoCell && !exchangedOrDealt) return tr("Pick dropped");
  return {};
}

QString Narrator::exchanged(const Moment& before) const {
  const Tallies& was = before.tally;
  const Tallies& is = game_.Tally;
  const int cleared = Grew(was.GemsCleared, is.GemsCleared);
  const int bonus = Grew(was.PointsForBonuses, is.PointsForBonuses);
  const int points = Grew(was.PointsForGems, is.PointsForGems) + bonus;
  const QString score = QString::fromStdString(game_.lblscore.Caption);
  if (Grew(was.BonusesPaid, is.BonusesPaid)) {
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
