#include "ui/BoardAccessible.h"

#include <QAccessibleWidget>
#include <vector>

#include "ui/BoardView.h"
#include "ui/CellAccessible.h"

namespace glimmerix {

namespace {

class BoardTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardTableAccessible(BoardView* view);
  ~BoardTableAccessible() override;

  [[nodiscard]] QString text(QAccessible::Text t) const override;
  [[nodiscard]] int childCount() const override { return CellCount; }
  [[nodiscard]] QAccessibleInterface* child(int index) const override;
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
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

  [[nodiscard]] BoardView* view() const { return static_cast<BoardView*>(widget()); }

 private:
  std::vector<QAccessible::Id> cells_;  // by game cell; registered with Qt, deleted with this
};

BoardTableAccessible::BoardTableAccessible(BoardView* view)
    : QAccessibleWidget(view, QAccessible::Table) {
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    cells_.push_back(
        QAccessible::registerAccessibleInterface(new CellAccessible(this, view, cell)));
  }
}

BoardTableAccessible::~BoardTableAccessible() {
  for (QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
}

QString BoardTableAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return BoardView::tr("Board");
  if (t == QAccessible::Description) {
    return BoardView::tr(
        "Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.");
  }
  return QAccessibleWidget::text(t);
}

QAccessibleInterface* BoardTableAccessible::child(int index) const {
  if (index < 0 || index >= CellCount) return nullptr;
  return cellAt(index / Columns, index % Columns);
}

int BoardTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    if (QAccessible::accessibleInterface(cells_[cell]) == child) return TableIndexOf(cell);
  }
  return -1;
}

QAccessibleInterface* BoardTableAccessible::childAt(int x, int y) const {
  const BoardHit hit = HitTest(view()->game().Cells, view()->mapFromGlobal(QPoint(x, y)));
  return hit.cell == NoCell ? nullptr : QAccessible::accessibleInterface(cells_[hit.cell]);
}

// The cursor's cell, shown or not: a click moves it too, so it is always where the player is.
QAccessibleInterface* BoardTableAccessible::focusChild() const {
  if (!view()->hasFocus()) return nullptr;
  return QAccessible::accessibleInterface(cells_[view()->cursor().cell()]);
}

void* BoardTableAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardTableAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= Rows || column < 0 || column >= Columns) return nullptr;
  const std::int16_t cell =
      CellAt(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row));
  return QAccessible::accessibleInterface(cells_[cell]);
}

int BoardTableAccessible::selectedCellCount() const {
  return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> BoardTableAccessible::selectedCells() const {
  const std::int16_t pick = view()->game().Picked[1];
  if (pick == NoCell) return {};
  return {QAccessible::accessibleInterface(cells_[pick])};
}

void Notify(BoardView* view, QAccessible::Event type, std::int16_t cell) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(view, type);
  event.setChild(TableIndexOf(cell));
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void NotifyCursorFocus(BoardView* view) {
  Notify(view, QAccessible::Focus, view->cursor().cell());
}

void NotifyCellChanged(BoardView* view, std::int16_t cell, bool pickChanged) {
  Notify(view, QAccessible::NameChanged, cell);
  if (!pickChanged) return;
  const bool picked = view->game().Cells[cell].Frame == FrameLook::Picked;
  Notify(view, picked ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, cell);
}

QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object) {
  auto* view = qobject_cast<BoardView*>(object);
  if (className != QLatin1String("glimmerix::BoardView") || !view) return nullptr;
  return new BoardTableAccessible(view);
}

}  // namespace glimmerix
