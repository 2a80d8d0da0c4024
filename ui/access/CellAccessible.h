#pragma once

#include "board/Board.h"
#include "ui/access/AccessibleParts.h"

namespace glimmerix {

class BoardView;

// One cell of the board's table as assistive technology meets it: its gem and pick, its
// row and column, whether it has the focus, and a press action that does what Space does.
class CellAccessible : public LeafAccessible,
                       public QAccessibleActionInterface,
                       public QAccessibleTableCellInterface {
 public:
  CellAccessible(QAccessibleInterface* table, QAccessibleInterface* rowHeader, BoardView* view,
                 std::int16_t cell)
      : LeafAccessible(table), table_(table), rowHeader_(rowHeader), view_(view), cell_(cell) {}

  [[nodiscard]] QString text(QAccessible::Text t) const override;
  [[nodiscard]] QRect rect() const override;
  [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Cell; }
  [[nodiscard]] QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  [[nodiscard]] QStringList actionNames() const override;
  [[nodiscard]] QStringList keyBindingsForAction(const QString& action) const override;
  void doAction(const QString& action) override;

  [[nodiscard]] bool isSelected() const override;
  [[nodiscard]] QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  [[nodiscard]] QList<QAccessibleInterface*> rowHeaderCells() const override {
    return {rowHeader_};
  }
  [[nodiscard]] int columnIndex() const override { return ColumnOf(cell_); }
  [[nodiscard]] int rowIndex() const override { return RowOf(cell_); }
  [[nodiscard]] int columnExtent() const override { return 1; }
  [[nodiscard]] int rowExtent() const override { return 1; }
  [[nodiscard]] QAccessibleInterface* table() const override { return table_; }

 private:
  QAccessibleInterface* table_;
  QAccessibleInterface* rowHeader_;
  BoardView* view_;
  std::int16_t cell_;
};

}  // namespace glimmerix
