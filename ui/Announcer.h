#pragma once

#include <QString>
#include <QWidget>

namespace glimmerix {

// Where the game speaks up: a notification that assistive technology reads aloud each
// time it is raised with new words. It is never shown on the screen.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  void announce(const QString& words);
  [[nodiscard]] const QString& words() const { return words_; }

 private:
  QString words_;
};

}  // namespace glimmerix
