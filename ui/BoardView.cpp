#include "ui/BoardView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "ui/BoardAccessible.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"

namespace glimmerix {

namespace {

struct StatusLabel {
  QRect rect;
  bool opaque;
  QColor textColor;
};

const StatusLabel ScoreTitle{TwipsRect(90, 5200, 1350, 495), true, Qt::black};
const StatusLabel ScoreValue{TwipsRect(1425, 5205, 1200, 495), true, DarkBlue};
const StatusLabel TimeTitle{TwipsRect(3075, 5200, 990, 495), false, Qt::black};
const StatusLabel TimeValue{TwipsRect(4050, 5200, 1200, 375), false, DarkBlue};

bool IsPressKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_Space || event.key() == Qt::Key_Return ||
         event.key() == Qt::Key_Enter;
}

// Ctrl and Alt keys belong to the menus; Shift and the keypad change nothing here.
bool IsBoardKey(const QKeyEvent& event) {
  return !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// Only what the repaint reaches is drawn: the clock's ticks repaint two small areas.
void PaintLabel(QPainter& painter, const QRect& dirty, const StatusLabel& label,
                const std::string& caption) {
  if (!dirty.intersects(label.rect)) return;
  if (label.opaque) painter.fillRect(label.rect, Grey);
  painter.setPen(label.textColor);
  painter.drawText(label.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, CoreText(caption));
}

}  // namespace

BoardView::BoardView(frmMain& game, QWidget* parent) : QWidget(parent), game_(game) {
  static const bool accessible = (QAccessible::installFactory(BoardAccessibleFactory), true);
  Q_UNUSED(accessible);
  setFixedSize(GameClientSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);  // the window's keys reach the board first
  setFont(SansFont(15, true));
  showChanges();  // nothing is on screen yet: this only takes note of the game
}

// The clock's ticks change its label at each tick and the bar at every third; the
// redraw tick rewrites the bar without changing it, which shows nothing new.
void BoardView::showChanges() {
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    const Cell& c = game_.Cells[cell];
    const CellLook look{c.Visible ? c.Kind : std::int16_t{0}, c.Frame};
    if (look != shownCells_[cell]) showCell(cell, look);
  }
  if (showCaption(shownScore_, game_.lblscore.Caption, ScoreValue.rect)) NotifyScoreChanged(this);
  showCaption(shownClock_, game_.lblDisplayTime.Caption, TimeValue.rect);
  const QRect bar = BarRect(game_.linTime.X2);
  if (bar != shownBar_) update(std::exchange(shownBar_, bar) | bar);
}

void BoardView::showCell(std::int16_t cell, CellLook look) {
  const CellLook was = std::exchange(shownCells_[cell], look);
  update(FrameRect(cell) | GemRect(cell, was.gem) | GemRect(cell, look.gem));
  NotifyCellChanged(this, cell, was.frame != look.frame);
}

bool BoardView::showCaption(std::string& shown, const std::string& caption, const QRect& label) {
  if (caption == shown) return false;
  shown = caption;
  update(label);
  return true;
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Grey);
  if (event->rect().top() < BoardBottom) paintBoard(painter);
  paintStatus(painter, event->rect());
}

// Back to front: picked frames, grid lines, gems. Plain frames are transparent.
void BoardView::paintBoard(QPainter& painter) const {
  const Board& cells = game_.Cells;
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    if (cells[cell].Frame == FrameLook::Picked) painter.fillRect(FrameRect(cell), PickedRed);
  }
  for (int line = 1; line <= 7; ++line) painter.fillRect(VerticalGridLine(line), Qt::white);
  for (int line = 1; line <= 8; ++line) painter.fillRect(HorizontalGridLine(line), Qt::white);
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    const Cell& c = cells[cell];
    if (c.Visible) painter.drawPixmap(GemRect(cell, c.Kind).topLeft(), GemPicture(c.Kind));
  }
  if (cursor_.shown()) PaintCursor(painter, cursor_.cell());
}

void BoardView::paintStatus(QPainter& painter, const QRect& dirty) const {
  painter.fillRect(BarRect(game_.linTime.X2), BarBlue);
  PaintLabel(painter, dirty, ScoreTitle, QT_TRANSLATE_NOOP("frmMain", "SCORE:"));
  PaintLabel(painter, dirty, ScoreValue, game_.lblscore.Caption);
  PaintLabel(painter, dirty, TimeTitle, QT_TRANSLATE_NOOP("frmMain", "TIME:"));
  PaintLabel(painter, dirty, TimeValue, game_.lblDisplayTime.Caption);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  hideCursor();
  pressed_ = HitTest(game_.Cells, event->position().toPoint());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const BoardHit hit = HitTest(game_.Cells, event->position().toPoint());
  const bool sameTarget = hit == pressed_;
  pressed_ = {};
  if (sameTarget) click(hit);
}

void BoardView::pressCell(std::int16_t cell) {
  click(HitTest(game_.Cells, FrameRect(cell).center()));
}

// The handler may run a whole cascade, yielding to nested events on the way.
void BoardView::click(const BoardHit& hit) {
  if (hit.target == BoardHit::Target::Frame)
    game_.lblColumn_Click(ColumnOf(hit.cell), RowOf(hit.cell));
  if (hit.target == BoardHit::Target::Gem) game_.imgrock_Click(hit.cell);
  showChanges();
}

// Arrows move the cursor and Space, Return or Enter press its cell; a held key presses
// once, as a held mouse button clicks once. Every other key goes on to the window.
void BoardView::keyPressEvent(QKeyEvent* event) {
  const std::int16_t from = cursor_.cell();
  if (!IsBoardKey(*event)) {
    QWidget::keyPressEvent(event);
  } else if (cursor_.move(event->key())) {
    update(CursorRect(from));
    update(CursorRect(cursor_.cell()));
    NotifyCursorMoved(this);
  } else if (IsPressKey(*event)) {
    if (!event->isAutoRepeat()) pressCell(cursor_.cell());
  } else {
    QWidget::keyPressEvent(event);
  }
}

void BoardView::hideCursor() {
  if (!cursor_.shown()) return;
  cursor_.hide();
  update(CursorRect(cursor_.cell()));
}

// A double click is one click and then a double click, which the game ignores: the
// second press must not click again, or a double click would take its own pick back.
void BoardView::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
  pressed_ = {};
}

}  // namespace glimmerix
