#pragma once

#include <QAccessibleInterface>

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

}  // namespace glimmerix
