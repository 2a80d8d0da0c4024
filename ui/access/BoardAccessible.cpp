#include "ui/access/BoardAccessible.h"

#include "ui/access/CellAccessible.h"
#include "ui/access/CellNames.h"
#include "ui/windows/BoardView.h"

namespace glimmerix {

namespace {

class RowHeaderAccessible : public LeafAccessible {
 public:
  RowHeaderAccessible(QAccessibleInterface* table, int row) : LeafAccessible(table), row_(row) {}

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? RowName(row_) : QString();
  }
  [[nodiscard]] QRect rect() const override { return {}; }
  [[nodiscard]] QAccessible::Role role() const override { return QAccessible::RowHeader; }
  [[nodiscard]] QAccessible::State state() const override { return {}; }

 private:
  int row_;
};

}  // namespace

// The cells row by row, as a table lists them.
BoardTableAccessible::BoardTableAccessible(BoardView* view)
    : WidgetWithParts(view, QAccessible::Table) {
  for (std::int16_t row = 0; row < Rows; ++row) {
    rowHeaders_[row] = QAccessible::registerAccessibleInterface(new RowHeaderAccessible(this, row));
    QAccessibleInterface* header = QAccessible::accessibleInterface(rowHeaders_[row]);
    for (std::int16_t column = 0; column < Columns; ++column)
      addPart(new CellAccessible(this, header, view, CellAt(column, row)));
  }
}

BoardTableAccessible::~BoardTableAccessible() {
  for (QAccessible::Id id : rowHeaders_) QAccessible::deleteAccessibleInterface(id);
}

BoardView* BoardTableAccessible::view() const {
  return static_cast<BoardView*>(widget());
}

QString BoardTableAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return BoardTableAccessible::tr("Board");
  if (t == QAccessible::Description) {
    return BoardTableAccessible::tr(
        "Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.");
  }
  return QAccessibleWidget::text(t);
}

QAccessibleInterface* BoardTableAccessible::childAt(int x, int y) const {
  const BoardHit hit = HitTest(view()->game().Cells, view()->mapFromGlobal(QPoint(x, y)));
  return hit.cell == NoCell ? nullptr : cell(hit.cell);
}

// The cursor's cell, shown or not: a click moves it too, so it is always where the player is.
QAccessibleInterface* BoardTableAccessible::focusChild() const {
  if (!view()->hasFocus()) return nullptr;
  return cell(view()->cursor().cell());
}

void* BoardTableAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardTableAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= Rows || column < 0 || column >= Columns) return nullptr;
  return child(row * Columns + column);
}

int BoardTableAccessible::selectedCellCount() const {
  return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> BoardTableAccessible::selectedCells() const {
  const std::int16_t pick = view()->game().Picked[1];
  if (pick == NoCell) return {};
  return {cell(pick)};
}

}  // namespace glimmerix
