#include "ui/access/Narrator.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

#include "ui/access/Announcer.h"
#include "ui/access/CellNames.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/MainWindow.h"

namespace glimmerix {

namespace {

constexpr double WarningSeconds = 10.05;  // the clock shows "10.0"

// How long a screen reader takes to say the words at its usual rate, a little more rather
// than less: a word takes up to 0.45 s, a number a word a digit, and each pause 0.25 s.
int SpeakingMilliseconds(const QString& words) {
  static const QRegularExpression pause(QStringLiteral("[,.:;]"));
  int spoken = 0;
  for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
    const auto digits =
        std::count_if(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
    spoken += std::max<int>(1, static_cast<int>(digits));
  }
  return 450 * spoken + 250 * static_cast<int>(words.count(pause));
}

}  // namespace

Narrator::Narrator(const frmMain& game, const MainWindow& window, Announcer& announcer)
    : game_(game), window_(window), announcer_(announcer) {
  warningDue_.setSingleShot(true);
  QObject::connect(&warningDue_, &QTimer::timeout, [this] { speak({}, false); });
}

Narrator::Moment Narrator::now() const {
  return {game_.Tally, game_.Picked[1], game_.TimeLeft};
}

void Narrator::eventBegan() {
  before_ = now();
}

int Narrator::grew(int Tallies::*count) const {
  return game_.Tally.*count - before_.tally.*count;
}

void Narrator::eventEnded() {
  const bool warning =
      before_.timeLeft >= WarningSeconds && game_.TimeLeft < WarningSeconds && game_.TimeLeft > 0;
  speak(said(), warning);
  wasOutOfSight_ = window_.isOutOfSight();
}

// An event that changes nothing a player could notice says nothing either. One that
// leaves the player in a new situation names the cell under the cursor last.
QStringList Narrator::said() const {
  QStringList words;
  if (grew(&Tallies::GamesDealt))
    words << tr("New game: %Ln seconds", nullptr, qRound(GameSeconds));
  if (grew(&Tallies::ExchangesMade)) words << exchanged();
  if (grew(&Tallies::ExchangesRefused)) words << tr("No run: the gems stay, pick dropped");
  if (const QString pick = aboutThePick(); !pick.isEmpty()) words << pick;
  if (grew(&Tallies::BoardsRedealt)) words << tr("New board");
  if (grew(&Tallies::BoxesShown)) words << tr("%Ln seconds left", nullptr, qRound(game_.TimeLeft));
  const bool backInSight = wasOutOfSight_ && !window_.isOutOfSight();
  if (grew(&Tallies::GamesDealt) || grew(&Tallies::ExchangesMade) ||
      grew(&Tallies::BoardsRedealt) || grew(&Tallies::BoxesShown) || backInSight) {
    words << SpokenCell(game_.Cells, window_.board()->cursor().cell());
  }
  return words;
}

// A new pick, a pick let go, or a second click too far from the pick to exchange.
QString Narrator::aboutThePick() const {
  const std::int16_t pick = game_.Picked[1];
  if (grew(&Tallies::ClicksTooFar) && pick != NoCell)
    return tr("Not beside the pick: %1 stays picked").arg(PlaceName(pick));
  if (pick != NoCell && pick != before_.pick)
    return tr("Picked %1").arg(SpokenCell(game_.Cells, pick));
  const bool exchangedOrDealt = grew(&Tallies::ExchangesMade) || grew(&Tallies::ExchangesRefused) ||
                                grew(&Tallies::GamesDealt);
  if (pick == NoCell && before_.pick != NoCell && !exchangedOrDealt) return tr("Pick dropped");
  return {};
}

QString Narrator::exchanged() const {
  const int cleared = grew(&Tallies::GemsCleared);
  const int bonus = grew(&Tallies::PointsForBonuses);
  const int points = grew(&Tallies::PointsForGems) + bonus;
  const int score = QString::fromStdString(game_.lblscore.Caption).toInt();
  const QString won = tr("%Ln points", nullptr, points);
  if (grew(&Tallies::BonusesPaid)) {
    return tr("Exchanged: %Ln gems cleared in %1, %2 with a bonus of %L3. Score %L4", nullptr,
              cleared)
        .arg(whereRunsWere(), won)
        .arg(bonus)
        .arg(score);
  }
  return tr("Exchanged: %Ln gems cleared in %1, %2. Score %L3", nullptr, cleared)
      .arg(whereRunsWere(), won)
      .arg(score);
}

// "rows 3 and 4, column E": the rows and columns whose runs were cleared for points.
QString Narrator::whereRunsWere() const {
  static_assert(Rows == Columns);
  QStringList rows;
  QStringList columns;
  for (int line = 0; line < Rows; ++line) {
    if (game_.Tally.RunsAcross[line] > before_.tally.RunsAcross[line])
      rows << QLocale().toString(line + 1);
    if (game_.Tally.RunsDown[line] > before_.tally.RunsDown[line]) columns << QChar(u'A' + line);
  }
  QStringList places;
  const QString rowList = QLocale().createSeparatedList(rows);
  if (!rows.isEmpty()) places << (rows.size() == 1 ? tr("row %1") : tr("rows %1")).arg(rowList);
  const QString columnList = QLocale().createSeparatedList(columns);
  if (columns.size() == 1) places << tr("column %1").arg(columnList);
  if (columns.size() > 1) places << tr("columns %1").arg(columnList);
  return places.join(QStringLiteral(", "));
}

// A result is said at once; so is the warning, unless the last words are still being
// heard: then it waits for them, or joins the next result if that comes first.
void Narrator::speak(QStringList words, bool warning) {
  warningWaits_ = warningWaits_ || warning;
  if (warningWaits_ && (!words.isEmpty() || heard_.hasExpired())) {
    words << tr("%Ln seconds left", nullptr, 10);
    warningWaits_ = false;
  }
  if (warningWaits_) warningDue_.start(static_cast<int>(heard_.remainingTime()));
  if (words.isEmpty()) return;
  const QString utterance = words.join(QStringLiteral(". "));
  announcer_.announce(utterance);
  heard_.setRemainingTime(SpeakingMilliseconds(utterance));
}

}  // namespace glimmerix
