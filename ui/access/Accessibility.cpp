#include "ui/access/Accessibility.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <array>

#include "ui/access/Announcer.h"
#include "ui/access/BoardAccessible.h"
#include "ui/access/StatusBarAccessible.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/StatusRow.h"
#include "ui/windows/frmOver.h"

namespace glimmerix {

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->words() : QString();
  }
};

// Qt asks with the object's own class first, so a game widget is never taken for a
// widget of its base class.
QAccessibleInterface* GameWidgets(const QString& /*className*/, QObject* object) {
  if (auto* board = qobject_cast<BoardView*>(object)) return new BoardTableAccessible(board);
  if (auto* row = qobject_cast<StatusRow*>(object)) return new StatusBarAccessible(row);
  if (auto* announcer = qobject_cast<Announcer*>(object)) return new AnnouncerAccessible(announcer);
  // The window keeps its designed type and look; only assistive technology meets it as a
  // dialog, announced with its description, the score, and then the focused button
  // with the question that labels it.
  if (auto* over = qobject_cast<frmOver*>(object))
    return new QAccessibleWidget(over, QAccessible::Dialog);
  return nullptr;
}

void Notify(QObject* object, QAccessible::Event type, int child) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(object, type);
  event.setChild(child);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallAccessibility() {
  QAccessible::installFactory(GameWidgets);
}

void ReportChanges(const MainWindow& window) {
  BoardView* board = window.board();
  // A cell's name tells where it is only where the cursor's move makes that news: the
  // names of the cells it left and reached, and of their rows' first cells, change
  // before the focus, or a screen reader would speak them as they were.
  QObject::connect(board, &BoardView::cursorMoved, board, [board](std::int16_t from) {
    const std::int16_t to = board->cursor().cell();
    const std::array renamed{from, to, CellAt(0, RowOf(from)), CellAt(0, RowOf(to))};
    for (auto cell = renamed.begin(); cell != renamed.end(); ++cell) {
      if (std::find(renamed.begin(), cell, *cell) == cell)
        Notify(board, QAccessible::NameChanged, TableIndexOf(*cell));
    }
    Notify(board, QAccessible::Focus, TableIndexOf(to));
  });
  QObject::connect(
      board, &BoardView::cellShown, board, [board](std::int16_t cell, bool pickChanged) {
        Notify(board, QAccessible::NameChanged, TableIndexOf(cell));
        if (!pickChanged) return;
        const bool picked = board->game().Cells[cell].Frame == FrameLook::Picked;
        Notify(board, picked ? QAccessible::SelectionAdd : QAccessible::SelectionRemove,
               TableIndexOf(cell));
      });
  // The score tells when it changes; the clock and the bar do not, or every tick would
  // drown the rest. Both are read on demand.
  StatusRow* status = window.status();
  QObject::connect(status, &StatusRow::scoreShown, status, [status] {
    Notify(status, QAccessible::NameChanged, static_cast<int>(StatusRow::Part::Score));
  });
}

}  // namespace glimmerix
