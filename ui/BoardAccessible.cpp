#include "ui/BoardAccessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <vector>

#include "ui/BoardView.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"

namespace glimmerix {

namespace {

constexpr int ItemCount = CellCount + 2;

QString CellName(const Cell& cell, std::int16_t index) {
  QString name = QCoreApplication::translate("BoardAccessible", "Column %1, row %2: ")
                     .arg(QChar(u'A' + ColumnOf(index)))
                     .arg(RowOf(index) + 1);
  if (!cell.Visible) return name + QCoreApplication::translate("BoardAccessible", "empty");
  name += GemName(cell.Kind);
  if (cell.Frame == FrameLook::Picked)
    name += QCoreApplication::translate("BoardAccessible", ", picked");
  return name;
}

bool TakesClicks(const QWidget& view) {
  return view.isVisible() && !view.window()->isMinimized() && !QApplication::activeModalWidget();
}

class BoardItem;

class BoardViewAccessible : public QAccessibleWidget {
 public:
  explicit BoardViewAccessible(BoardView* view);
  ~BoardViewAccessible() override;

  [[nodiscard]] int childCount() const override { return ItemCount; }
  [[nodiscard]] QAccessibleInterface* child(int index) const override;
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
  [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
  [[nodiscard]] QAccessibleInterface* focusChild() const override;
  [[nodiscard]] BoardView* view() const { return static_cast<BoardView*>(widget()); }

 private:
  std::vector<QAccessible::Id> items_;  // registered with Qt, deleted with this
};

class BoardItem : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  BoardItem(BoardViewAccessible* board, int index) : board_(board), index_(index) {}

  [[nodiscard]] bool isValid() const override { return true; }
  [[nodiscard]] QObject* object() const override { return nullptr; }
  [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  [[nodiscard]] QAccessibleInterface* parent() const override { return board_; }
  [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    const frmMain& game = board_->view()->game();
    if (index_ == ScoreItem)
      return QCoreApplication::translate("BoardAccessible", "Score ") +
             QString::fromStdString(game.lblscore.Caption);
    if (index_ == ClockItem)
      return QCoreApplication::translate("BoardAccessible", "Time ") +
             CoreText(game.lblDisplayTime.Caption);
    const auto cell = static_cast<std::int16_t>(index_);
    return CellName(game.Cells[cell], cell);
  }
  [[nodiscard]] QRect rect() const override {
    const BoardView* view = board_->view();
    const QRect local = index_ < CellCount
                            ? FrameRect(static_cast<std::int16_t>(index_))
                            : QRect(0, BoardBottom, view->width(), view->height() - BoardBottom);
    return QRect(view->mapToGlobal(local.topLeft()), local.size());
  }
  [[nodiscard]] QAccessible::Role role() const override {
    return index_ < CellCount ? QAccessible::Cell : QAccessible::StaticText;
  }
  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state;
    if (index_ >= CellCount) return state;
    const BoardView* view = board_->view();
    state.selectable = true;
    state.selected = view->game().Cells[index_].Frame == FrameLook::Picked;
    state.focusable = true;
    state.focused = view->hasFocus() && view->cursor().shown() && view->cursor().cell() == index_;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type != QAccessible::ActionInterface || index_ >= CellCount) return nullptr;
    return static_cast<QAccessibleActionInterface*>(this);
  }
  [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
  [[nodiscard]] QStringList keyBindingsForAction(const QString&) const override {
    return {QStringLiteral("Space")};
  }
  // Pressed later from the event loop, as a click would be: the press may run a whole
  // cascade or open a box, and the caller must not wait for that. Like a click, it
  // reaches only a board on screen that no box holds up.
  void doAction(const QString& action) override {
    if (action != pressAction()) return;
    BoardView* view = board_->view();
    const auto cell = static_cast<std::int16_t>(index_);
    QMetaObject::invokeMethod(
        view,
        [view, cell] {
          if (TakesClicks(*view)) view->pressCell(cell);
        },
        Qt::QueuedConnection);
  }

 private:
  BoardViewAccessible* board_;
  int index_;
};

BoardViewAccessible::BoardViewAccessible(BoardView* view)
    : QAccessibleWidget(view, QAccessible::Table,
                        QCoreApplication::translate("BoardAccessible", "Board")) {
  for (int index = 0; index < ItemCount; ++index) {
    items_.push_back(QAccessible::registerAccessibleInterface(new BoardItem(this, index)));
  }
}

BoardViewAccessible::~BoardViewAccessible() {
  for (QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* BoardViewAccessible::child(int index) const {
  return index >= 0 && index < ItemCount ? QAccessible::accessibleInterface(items_[index])
                                         : nullptr;
}

int BoardViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int index = 0; index < ItemCount; ++index) {
    if (QAccessible::accessibleInterface(items_[index]) == child) return index;
  }
  return -1;
}

QAccessibleInterface* BoardViewAccessible::childAt(int x, int y) const {
  const BoardHit hit = HitTest(view()->game().Cells, view()->mapFromGlobal(QPoint(x, y)));
  return hit.cell == NoCell ? nullptr : child(hit.cell);
}

void Notify(BoardView* view, QAccessible::Event type, int item) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(view, type);
  event.setChild(item);
  QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* BoardViewAccessible::focusChild() const {
  const BoardCursor& cursor = view()->cursor();
  return view()->hasFocus() && cursor.shown() ? child(cursor.cell()) : nullptr;
}

}  // namespace

void NotifyCursorMoved(BoardView* view) {
  Notify(view, QAccessible::Focus, view->cursor().cell());
}

void NotifyCellChanged(BoardView* view, std::int16_t cell, bool pickChanged) {
  Notify(view, QAccessible::NameChanged, cell);
  if (!pickChanged) return;
  const bool picked = view->game().Cells[cell].Frame == FrameLook::Picked;
  Notify(view, picked ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, cell);
}

void NotifyScoreChanged(BoardView* view) {
  Notify(view, QAccessible::NameChanged, ScoreItem);
}

QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object) {
  auto* view = qobject_cast<BoardView*>(object);
  if (className != QLatin1String("glimmerix::BoardView") || !view) return nullptr;
  return new BoardViewAccessible(view);
}

}  // namespace glimmerix
