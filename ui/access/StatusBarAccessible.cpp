#include "ui/access/StatusBarAccessible.h"

#include <QLocale>

#include "ui/access/AccessibleParts.h"
#include "ui/app/Translations.h"
#include "ui/windows/Geometry.h"
#include "ui/windows/StatusRow.h"

namespace glimmerix {

namespace {

using Part = StatusRow::Part;

// The clock as the player's language writes a number: "3.3" or "3,3" for the "03.3" shown.
QString Spoken(const Label& clock) {
  bool isTime = false;
  const double seconds = QString::fromStdString(clock.Caption).toDouble(&isTime);
  return isTime ? QLocale().toString(seconds, 'f', 1) : CoreText(clock.Caption);
}

// One of the row's three parts; the bar tells its length too.
class StatusPart : public LeafAccessible, public QAccessibleValueInterface {
 public:
  StatusPart(QAccessibleInterface* bar, const StatusRow* row, Part part)
      : LeafAccessible(bar), row_(row), part_(part) {}

  [[nodiscard]] QAccessible::State state() const override { return {}; }

  [[nodiscard]] QAccessible::Role role() const override {
    return part_ == Part::Bar ? QAccessible::ProgressBar : QAccessible::StaticText;
  }

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    const frmMain& game = row_->game();
    if (part_ == Part::Score) {
      return StatusBarAccessible::tr("Score %L1")
          .arg(QString::fromStdString(game.lblscore.Caption).toInt());
    }
    if (part_ == Part::Clock)
      return StatusBarAccessible::tr("Time %1").arg(Spoken(game.lblDisplayTime));
    return StatusBarAccessible::tr("Bonus bar");
  }

  [[nodiscard]] QRect rect() const override {
    const QRect drawn = StatusRow::PartRect(part_);
    return {row_->mapToGlobal(drawn.topLeft()), drawn.size()};
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type != QAccessible::ValueInterface || part_ != Part::Bar) return nullptr;
    return static_cast<QAccessibleValueInterface*>(this);
  }

  // The bar's length in twips, from empty to where the bonus is paid.
  [[nodiscard]] QVariant currentValue() const override {
    return qRound(qBound(0.0f, row_->game().linTime.X2, BonusThreshold));
  }
  void setCurrentValue(const QVariant&) override {}
  [[nodiscard]] QVariant maximumValue() const override { return qRound(BonusThreshold); }
  [[nodiscard]] QVariant minimumValue() const override { return 0; }
  [[nodiscard]] QVariant minimumStepSize() const override { return 1; }

 private:
  const StatusRow* row_;
  Part part_;
};

}  // namespace

StatusBarAccessible::StatusBarAccessible(StatusRow* row)
    : WidgetWithParts(row, QAccessible::StatusBar) {
  for (Part part : {Part::Score, Part::Clock, Part::Bar}) addPart(new StatusPart(this, row, part));
}

}  // namespace glimmerix
