#include "ui/windows/BoardView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "ui/look/Colors.h"
#include "ui/look/Pictures.h"

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

}  // namespace

BoardView::BoardView(const frmMain& game, QWidget* parent) : QWidget(parent), game_(game) {
  setFixedSize(GameClientSize.width(), BoardBottom);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);  // the window's keys reach the board first
  showChanges();                    // nothing is on screen yet: this only takes note of the game
}

void BoardView::showChanges() {
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    const Cell& c = game_.Cells[cell];
    const CellLook look{c.Visible ? c.Kind : std::int16_t{0}, c.Frame};
    if (look != shownCells_[cell]) showCell(cell, look);
  }
}

void BoardView::showCell(std::int16_t cell, CellLook look) {
  const CellLook was = std::exchange(shownCells_[cell], look);
  update(FrameRect(cell) | GemRect(cell, was.gem) | GemRect(cell, look.gem));
  emit cellShown(cell, was.frame != look.frame);
}

// Back to front: picked frames, grid lines, gems. Plain frames are transparent.
void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Grey);
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

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (cursor_.shown()) update(CursorRect(cursor_.cell()));  // a click hides the ring
  cursor_.hide();
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

// The game's handler may run a whole cascade, yielding to nested events on the way.
void BoardView::click(const BoardHit& hit) {
  if (hit.target == BoardHit::Target::Frame) emit frameClicked(hit.cell);
  if (hit.target == BoardHit::Target::Gem) emit gemClicked(hit.cell);
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
    if (cursor_.cell() != from) emit cursorMoved(from);
  } else if (IsPressKey(*event)) {
    cursor_.show();
    update(CursorRect(from));
    if (shown && !event->isAutoRepeat()) pressCell(from);
  } else {
    QWidget::keyPressEvent(event);
  }
}

// The keyboard goes on from where the mouse was.
void BoardView::moveCursorTo(std::int16_t cell) {
  if (cell == NoCell || cell == cursor_.cell()) return;
  const std::int16_t from = cursor_.cell();
  cursor_.clickedAt(cell);
  if (hasFocus()) emit cursorMoved(from);
}

// The ring shows only while the keys reach the board. Getting the keyboard back (after
// a box, a restore or the menu bar) tells of the cursor's cell once Qt has told of the
// board's own focus, so that the cell is the last word.
void BoardView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update(CursorRect(cursor_.cell()));
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (hasFocus()) emit cursorMoved(cursor_.cell());
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
