#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace glimmerix::testing {

struct SeenBox {
  QString title;
  QString text;
  bool seen = false;
};

// Runs `open`, which must bring up a modal box; answers the box with Return once it
// is up, after `whileOpen` has looked at the world behind it. A box that never
// comes fails the caller's checks instead of hanging the test.
inline SeenBox AnswerModalBox(const std::function<void()>& open,
                              const std::function<void()>& whileOpen = {}) {
  SeenBox box;
  QTimer poll;
  QElapsedTimer waited;
  waited.start();
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!modal) {
      if (waited.elapsed() > 3000) poll.stop();
      return;
    }
    poll.stop();
    box = {modal->windowTitle(), modal->text(), true};
    if (whileOpen) whileOpen();
    QTest::keyClick(modal, Qt::Key_Return);
  });
  poll.start();
  open();
  return box;
}

}  // namespace glimmerix::testing
