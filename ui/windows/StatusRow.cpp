#include "ui/windows/StatusRow.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "ui/app/Translations.h"
#include "ui/look/Colors.h"
#include "ui/look/Fonts.h"
#include "ui/windows/Geometry.h"

namespace glimmerix {

namespace {

// From the game window's client area, where everything is designed, to the row.
QRect InRow(const QRect& designed) {
  return designed.translated(-StatusArea.topLeft()) & QRect(QPoint(), StatusArea.size());
}

// Only what the repaint reaches is drawn: the clock's ticks repaint two small areas.
void PaintLabel(QPainter& painter, const QRect& dirty, const StatusRow::Label& label,
                const std::string& caption) {
  const QRect rect = label.rect.translated(-StatusArea.topLeft());
  if (!dirty.intersects(rect)) return;
  if (label.opaque) painter.fillRect(rect, Grey);
  painter.setPen(label.textColor);
  painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, CoreText(caption));
}

}  // namespace

const StatusRow::Label StatusRow::ScoreTitle{TwipsRect(90, 5200, 1350, 495), true, Qt::black};
const StatusRow::Label StatusRow::ScoreValue{TwipsRect(1425, 5205, 1200, 495), true, DarkBlue};
const StatusRow::Label StatusRow::TimeTitle{TwipsRect(3075, 5200, 990, 495), false, Qt::black};
const StatusRow::Label StatusRow::TimeValue{TwipsRect(4050, 5200, 1200, 375), false, DarkBlue};

StatusRow::StatusRow(const frmMain& game, QWidget* parent) : QWidget(parent), game_(game) {
  setFixedSize(StatusArea.size());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFont(SansFont(15, true));
  showChanges();  // nothing is on screen yet: this only takes note of the game
}

QRect StatusRow::PartRect(Part part) {
  if (part == Part::Score) return InRow(ScoreTitle.rect | ScoreValue.rect);
  if (part == Part::Clock) return InRow(TimeTitle.rect | TimeValue.rect);
  return InRow(BarRect(BonusThreshold));
}

// The clock's ticks change its label at each tick and the bar at every third; the
// redraw tick rewrites the bar without changing it, which shows nothing new.
void StatusRow::showChanges() {
  if (showCaption(shownScore_, game_.lblscore.Caption, ScoreValue.rect)) emit scoreShown();
  showCaption(shownClock_, game_.lblDisplayTime.Caption, TimeValue.rect);
  const QRect bar = InRow(BarRect(game_.linTime.X2));
  if (bar != shownBar_) update(std::exchange(shownBar_, bar) | bar);
}

bool StatusRow::showCaption(std::string& shown, const std::string& caption, const QRect& label) {
  if (caption == shown) return false;
  shown = caption;
  update(InRow(label));
  return true;
}

void StatusRow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Grey);
  painter.fillRect(InRow(BarRect(game_.linTime.X2)), BarBlue);
  PaintLabel(painter, event->rect(), ScoreTitle, QT_TRANSLATE_NOOP("frmMain", "SCORE:"));
  PaintLabel(painter, event->rect(), ScoreValue, game_.lblscore.Caption);
  PaintLabel(painter, event->rect(), TimeTitle, QT_TRANSLATE_NOOP("frmMain", "TIME:"));
  PaintLabel(painter, event->rect(), TimeValue, game_.lblDisplayTime.Caption);
}

}  // namespace glimmerix
