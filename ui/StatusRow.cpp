#include "ui/StatusRow.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <vector>

#include "ui/BoardView.h"
#include "ui/LeafAccessible.h"
#include "ui/StatusLabels.h"

namespace glimmerix {

namespace {

enum Item { ScoreItem, ClockItem, BarItem, ItemCount };

const QRect StatusArea(0, BoardBottom, GameClientSize.width(),
                       GameClientSize.height() - BoardBottom);

// One of the row's three parts, read from the game whenever it is asked.
class StatusItem : public LeafAccessible, public QAccessibleValueInterface {
 public:
  StatusItem(QAccessibleInterface* bar, const StatusRow* row, Item item)
      : LeafAccessible(bar), row_(row), item_(item) {}

  [[nodiscard]] QAccessible::State state() const override { return {}; }

  [[nodiscard]] QAccessible::Role role() const override {
    return item_ == BarItem ? QAccessible::ProgressBar : QAccessible::StaticText;
  }

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    const frmMain& game = row_->board().game();
    if (item_ == ScoreItem)
      return StatusRow::tr("Score %1").arg(QString::fromStdString(game.lblscore.Caption));
    if (item_ == ClockItem)
      return StatusRow::tr("Time %1").arg(QString::fromStdString(game.lblDisplayTime.Caption));
    return StatusRow::tr("Bonus bar");
  }

  [[nodiscard]] QRect rect() const override {
    const QRect drawn = item_ == ScoreItem   ? ScoreTitle.rect | ScoreValue.rect
                        : item_ == ClockItem ? TimeTitle.rect | TimeValue.rect
                                             : BarRect(BonusThreshold);
    const QRect local = drawn & StatusArea;  // the labels reach past the window's edge
    const BoardView& board = row_->board();
    return {board.mapToGlobal(local.topLeft()), local.size()};
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type != QAccessible::ValueInterface || item_ != BarItem) return nullptr;
    return static_cast<QAccessibleValueInterface*>(this);
  }

  // The bar's length in twips, from empty to where the bonus is paid.
  [[nodiscard]] QVariant currentValue() const override {
    const float end = row_->board().game().linTime.X2;
    return qRound(qBound(0.0f, end, BonusThreshold));
  }
  void setCurrentValue(const QVariant&) override {}
  [[nodiscard]] QVariant maximumValue() const override { return qRound(BonusThreshold); }
  [[nodiscard]] QVariant minimumValue() const override { return 0; }
  [[nodiscard]] QVariant minimumStepSize() const override { return 1; }

 private:
  const StatusRow* row_;
  Item item_;
};

class StatusBarAccessible : public QAccessibleWidget {
 public:
  explicit StatusBarAccessible(StatusRow* row) : QAccessibleWidget(row, QAccessible::StatusBar) {
    for (int item = 0; item < ItemCount; ++item) {
      items_.push_back(
          QAccessible::registerAccessibleInterface(new StatusItem(this, row, Item(item))));
    }
  }
  ~StatusBarAccessible() override {
    for (QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
  }

  [[nodiscard]] int childCount() const override { return ItemCount; }
  [[nodiscard]] QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < ItemCount ? QAccessible::accessibleInterface(items_[index])
                                           : nullptr;
  }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
    for (int index = 0; index < ItemCount; ++index) {
      if (QAccessible::accessibleInterface(items_[index]) == child) return index;
    }
    return -1;
  }

 private:
  std::vector<QAccessible::Id> items_;
};

QAccessibleInterface* StatusRowFactory(const QString& className, QObject* object) {
  auto* row = qobject_cast<StatusRow*>(object);
  if (className != QLatin1String("glimmerix::StatusRow") || !row) return nullptr;
  return new StatusBarAccessible(row);
}

}  // namespace

StatusRow::StatusRow(BoardView& board, QWidget* parent) : QWidget(parent), board_(board) {
  static const bool installed = (QAccessible::installFactory(StatusRowFactory), true);
  Q_UNUSED(installed);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  board.installEventFilter(this);
  connect(&board, &BoardView::scoreShown, this, &StatusRow::scoreShown);
  followBoard();
}

bool StatusRow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &board_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
    followBoard();
  return QWidget::eventFilter(watched, event);
}

void StatusRow::followBoard() {
  setGeometry(StatusArea.translated(board_.mapTo(parentWidget(), QPoint())));
  raise();
}

void StatusRow::scoreShown() {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(this, QAccessible::NameChanged);
  event.setChild(ScoreItem);
  QAccessible::updateAccessibility(&event);
}

}  // namespace glimmerix
