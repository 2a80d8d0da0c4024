#include "ui/access/CellAccessible.h"

#include <QApplication>

#include "ui/access/CellNames.h"
#include "ui/windows/BoardView.h"

namespace glimmerix {

namespace {

// Where a click could reach the board: on screen, not minimised, no box holding it up.
bool TakesClicks(const QWidget& view) {
  return view.isVisible() && !view.window()->isMinimized() && !QApplication::activeModalWidget();
}

}  // namespace

QString CellAccessible::text(QAccessible::Text t) const {
  if (t != QAccessible::Name) return {};
  return TableCellName(view_->game().Cells, cell_, view_->cursor());
}

QRect CellAccessible::rect() const {
  const QRect local = FrameRect(cell_);
  return {view_->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State CellAccessible::state() const {
  QAccessible::State state;
  state.selectable = true;
  state.selected = isSelected();
  state.focusable = true;
  state.focused = view_->hasFocus() && view_->cursor().cell() == cell_;
  return state;
}

void* CellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  if (type == QAccessible::TableCellInterface)
    return static_cast<QAccessibleTableCellInterface*>(this);
  return nullptr;
}

QStringList CellAccessible::actionNames() const {
  return {pressAction()};
}

QStringList CellAccessible::keyBindingsForAction(const QString&) const {
  return {QStringLiteral("Space")};
}

// Pressed later from the event loop, as a click would be: the press may run a whole
// cascade or open a box, and the caller must not wait for that.
void CellAccessible::doAction(const QString& action) {
  if (action != pressAction()) return;
  BoardView* view = view_;
  const std::int16_t cell = cell_;
  QMetaObject::invokeMethod(
      view,
      [view, cell] {
        if (TakesClicks(*view)) view->pressCell(cell);
      },
      Qt::QueuedConnection);
}

bool CellAccessible::isSelected() const {
  return view_->game().Cells[cell_].Frame == FrameLook::Picked;
}

}  // namespace glimmerix
