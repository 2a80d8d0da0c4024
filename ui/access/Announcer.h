#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace glimmerix {

// Where the game speaks up: a notification that assistive technology reads aloud each
// time it is raised with new words. It is never shown on the screen.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

  // A screen reader speaks a notification as it appears, whatever it said before.
  void announce(const QString& words) {
    words_ = words;
    if (!QAccessible::isActive()) return;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
  }
  [[nodiscard]] const QString& words() const { return words_; }

 private:
  QString words_;
};

}  // namespace glimmerix
