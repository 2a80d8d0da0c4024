#pragma once

#include <QTimer>
#include <QWidget>

class QPushButton;

namespace glimmerix {

// The welcome window: the title framed by fourteen gems that blink in two sets, in the
// middle of the screen, and PLAY. After PLAY it is gone for good. The window paints the
// lit gems itself: gems that were widgets of their own would tell assistive technology
// of every blink.
class frmSplash : public QWidget {
  Q_OBJECT

 public:
  frmSplash();

  QPushButton* cmdPlay;
  QTimer Timer1;
  void Timer1_Timer();

 signals:
  void play();  // after the window has gone: it deletes itself
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void cmdPlay_Click();
  void light(bool firstSet);

  bool firstSetLit_ = true;
  bool BlinkPhase = true;  // true: the first set lights at the next tick
};

}  // namespace glimmerix
