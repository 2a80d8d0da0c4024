#pragma once

#include <QCoreApplication>
#include <array>

#include "board/Board.h"
#include "ui/access/AccessibleParts.h"

namespace glimmerix {

class BoardView;

// The table lists the cells row by row; the game numbers them column by column.
[[nodiscard]] constexpr int TableIndexOf(std::int16_t cell) {
  return RowOf(cell) * Columns + ColumnOf(cell);
}

// Lets a screen reader follow and play the board: a table of 8 rows and 8 columns whose
// cells, listed row by row, tell their place, gem and pick and can be pressed; the cell
// under the keyboard cursor has the focus while the board has the keyboard. Nothing of
// this is visible.
class BoardTableAccessible : public WidgetWithParts, public QAccessibleTableInterface {
  Q_DECLARE_TR_FUNCTIONS(BoardTableAccessible)

 public:
  explicit BoardTableAccessible(BoardView* view);
  ~BoardTableAccessible() override;

  [[nodiscard]] QString text(QAccessible::Text t) const override;
  [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
  [[nodiscard]] QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  [[nodiscard]] QAccessibleInterface* caption() const override { return nullptr; }
  [[nodiscard]] QAccessibleInterface* summary() const override { return nullptr; }
  [[nodiscard]] QAccessibleInterface* cellAt(int row, int column) const override;
  [[nodiscard]] int selectedCellCount() const override;
  [[nodiscard]] QList<QAccessibleInterface*> selectedCells() const override;
  [[nodiscard]] QString columnDescription(int) const override { return {}; }
  [[nodiscard]] QString rowDescription(int) const override { return {}; }
  [[nodiscard]] int selectedColumnCount() const override { return 0; }
  [[nodiscard]] int selectedRowCount() const override { return 0; }
  [[nodiscard]] int columnCount() const override { return Columns; }
  [[nodiscard]] int rowCount() const override { return Rows; }
  [[nodiscard]] QList<int> selectedColumns() const override { return {}; }
  [[nodiscard]] QList<int> selectedRows() const override { return {}; }
  [[nodiscard]] bool isColumnSelected(int) const override { return false; }
  [[nodiscard]] bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  [[nodiscard]] BoardView* view() const;

 private:
  [[nodiscard]] QAccessibleInterface* cell(std::int16_t cell) const {
    return child(TableIndexOf(cell));
  }

  // Named by a screen reader when the player asks where they are; no children of the table.
  std::array<QAccessible::Id, Rows> rowHeaders_{};
};

}  // namespace glimmerix
