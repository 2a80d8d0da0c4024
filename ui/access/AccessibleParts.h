#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace glimmerix {

// An accessible part of a widget that is no widget itself and has no parts of its own:
// a cell of the board, an item of the status row.
class LeafAccessible : public QAccessibleInterface {
 public:
  explicit LeafAccessible(QAccessibleInterface* parent) : parent_(parent) {}

  [[nodiscard]] bool isValid() const override { return true; }
  [[nodiscard]] QObject* object() const override { return nullptr; }
  [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  [[nodiscard]] QAccessibleInterface* parent() const override { return parent_; }
  [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}

 private:
  QAccessibleInterface* parent_;
};

// A widget whose children, for assistive technology, are such parts: registered with Qt
// in their order when added, and deleted with the widget's interface.
class WidgetWithParts : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;
  ~WidgetWithParts() override {
    for (QAccessible::Id id : parts_) QAccessible::deleteAccessibleInterface(id);
  }

  [[nodiscard]] int childCount() const override { return static_cast<int>(parts_.size()); }
  [[nodiscard]] QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < childCount() ? QAccessible::accessibleInterface(parts_[index])
                                              : nullptr;
  }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* part) const override {
    for (int index = 0; index < childCount(); ++index) {
      if (child(index) == part) return index;
    }
    return -1;
  }

 protected:
  void addPart(QAccessibleInterface* part) {
    parts_.push_back(QAccessible::registerAccessibleInterface(part));
  }

 private:
  std::vector<QAccessible::Id> parts_;
};

}  // namespace glimmerix
