#include "ui/Narrator.h"

#include "ui/Announcer.h"
#include "ui/BoardCursor.h"
#include "ui/CellNames.h"

namespace glimmerix {

namespace {
constexpr double WarningSeconds = 10.05;  // the clock shows "10.0"
}

Narrator::Narrator(const frmMain& game, const BoardCursor& cursor, Announcer& announcer)
    : game_(game), cursor_(cursor), announcer_(announcer) {}

void Narrator::enter() {
  if (depth_++ > 0) return;
  cursorCell_ = cursor_.cell();
  cursorGem_ = gemUnderCursor();
}

// A cascade that changed the gem under the cursor names it once more after the rest.
void Narrator::leave() {
  if (--depth_ > 0) return;
  if (!pending_.isEmpty() && cursor_.cell() == cursorCell_ && gemUnderCursor() != cursorGem_) {
    pending_ << CellName(game_.Cells[cursorCell_], cursorCell_);
  }
  if (pending_.isEmpty()) return;
  announcer_.announce(pending_.join(QStringLiteral(". ")));
  pending_.clear();
}

void Narrator::say(const QString& words) {
  if (depth_ > 0) {
    pending_ << words;
  } else {
    announcer_.announce(words);
  }
}

Narrator::Click Narrator::clickStarts(const BoardHit& hit) const {
  return {hit, game_.Picked[1], game_.Score, cleared_};
}

void Narrator::clickEnded(const Click& click) {
  const QString words = describe(click);
  if (!words.isEmpty()) pending_ << words;
}

// A click that changes nothing a player could notice says nothing either.
QString Narrator::describe(const Click& click) const {
  const std::int16_t cell = click.hit.cell;
  if (click.hit.target == BoardHit::Target::Gem) {
    return click.pick == cell && game_.Picked[1] == NoCell ? tr("Pick dropped") : QString();
  }
  if (click.hit.target != BoardHit::Target::Frame) return {};
  if (click.pick == NoCell) {
    if (game_.Picked[1] != cell) return {};
    return tr("Picked %1").arg(GemPlaceName(game_.Cells[cell], cell));
  }
  if (cell == click.pick) return {};
  if (!AreNeighbours(click.pick, cell)) {
    return tr("Not beside the pick: %1 stays picked").arg(PlaceName(click.pick));
  }
  if (cleared_ == click.cleared) return tr("No run: the gems stay");
  return exchanged(click);
}

QString Narrator::exchanged(const Click& click) const {
  const int cleared = cleared_ - click.cleared;
  const int points = game_.Score - click.score;
  const int bonus = points - PointsPerGem * cleared;
  const QString score = QString::fromStdString(game_.lblscore.Caption);
  if (bonus > 0) {
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

// A wave's removal opens the gaps, its fall only moves them to the top and its refill
// closes them: every new gap is a gem cleared. A deal's runs are cleared for nothing.
void Narrator::noteGaps(int gaps) {
  if (game_.ScoringOn && gaps > gaps_) cleared_ += gaps - gaps_;
  gaps_ = gaps;
}

void Narrator::watchClock() {
  const bool low = game_.TimeLeft < WarningSeconds;
  if (low && !warned_ && game_.TimeLeft > 0) say(tr("10 seconds left"));
  warned_ = low;
}

std::int16_t Narrator::gemUnderCursor() const {
  const Cell& cell = game_.Cells[cursor_.cell()];
  return cell.Visible ? cell.Kind : std::int16_t{0};
}

}  // namespace glimmerix
