#include "ui/BoardView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "ui/Announcer.h"
#include "ui/BoardAccessible.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/StatusLabels.h"

namespace glimmerix {

namespace {

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
  painter.drawText(label.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QString::fromStdString(caption));
}

}  // namespace

BoardView::BoardView(frmMain& game, QWidget* parent)
    : QWidget(parent), game_(game), narrator_(game, cursor_, *new Announcer(this)) {
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
  int gaps = 0;
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    const Cell& c = game_.Cells[cell];
    const CellLook look{c.Visible ? c.Kind : std::int16_t{0}, c.Frame};
    gaps += look.gem == 0;
    if (look != shownCells_[cell]) showCell(cell, look);
  }
  narrator_.noteGaps(gaps);
  if (showCaption(shownScore_, game_.lblscore.Caption, ScoreValue.rect)) emit scoreShown();
  showCaption(shownClock_, game_.lblDisplayTime.Caption, TimeValue.rect);
  const QRect bar = BarRect(game_.linTime.X2);
  if (bar != shownBar_) update(std::exchange(shownBar_, bar) | bar);
  narrator_.watchClock();
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
  if (cursor_.shown() && hasFocus()) PaintCursor(painter, cursor_.cell());
}

void BoardView::paintStatus(QPainter& painter, const QRect& dirty) const {
  painter.fillRect(BarRect(game_.linTime.X2), BarBlue);
  PaintLabel(painter, dirty, ScoreTitle, "SCORE:");
  PaintLabel(painter, dirty, ScoreValue, game_.lblscore.Caption);
  PaintLabel(painter, dirty, TimeTitle, "TIME:");
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
  if (!sameTarget) return;
  moveCursorTo(hit.cell);
  click(hit);
}

void BoardView::pressCell(std::int16_t cell) {
  click(HitTest(game_.Cells, FrameRect(cell).center()));
}

// The handler may run a whole cascade, yielding to nested events on the way.
void BoardView::click(const BoardHit& hit) {
  const Entry entry(*this);
  const Narrator::Click said = narrator_.clickStarts(hit);
  if (hit.target == BoardHit::Target::Frame)
    game_.lblColumn_Click(ColumnOf(hit.cell), RowOf(hit.cell));
  if (hit.target == BoardHit::Target::Gem) game_.imgrock_Click(hit.cell);
  narrator_.clickEnded(said);
}

// Arrows move the cursor and Space, Return or Enter press its cell; the first of them
// only shows the cursor where it is. A held key presses once, as a held mouse button
// clicks once. Every other key goes on to the window.
void BoardView::keyPressEvent(QKeyEvent* event) {
  const std::int16_t from = cursor_.cell();
  const bool shown = cursor_.shown();
  if (!IsBoardKey(*event)) {
    QWidget::keyPressEvent(event);
  } else if (cursor_.move(event->key())) {
    update(CursorRect(from));
    update(CursorRect(cursor_.cell()));
    if (cursor_.cell() != from) NotifyCursorFocus(this);
  } else if (IsPressKey(*event)) {
    cursor_.show();
    update(CursorRect(from));
    if (shown && !event->isAutoRepeat()) pressCell(from);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void BoardView::hideCursor() {
  if (!cursor_.shown()) return;
  cursor_.hide();
  update(CursorRect(cursor_.cell()));
}

// The keyboard goes on from where the mouse was.
void BoardView::moveCursorTo(std::int16_t cell) {
  if (cell == NoCell || cell == cursor_.cell()) return;
  cursor_.clickedAt(cell);
  if (hasFocus()) NotifyCursorFocus(this);
}

// The ring shows only while the keys reach the board. Getting the keyboard back (after
// a box, a restore or the menu bar) names the cursor's cell; it is named once Qt has
// told of the board's own focus, so that the cell is the last word.
void BoardView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update(CursorRect(cursor_.cell()));
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (hasFocus()) NotifyCursorFocus(this);
      },
      Qt::QueuedConnection);
}

void BoardView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update(CursorRect(cursor_.cell()));
}

// A double click is one click and then a double click, which the game ignores: the
// second press must not click again, or a double click would take its own pick back.
void BoardView::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
  pressed_ = {};
}

}  // namespace glimmerix
