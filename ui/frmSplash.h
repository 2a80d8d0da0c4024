#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace glimmerix {

class QtToolkit;

// The welcome window: the title framed by fourteen gems that blink in two sets,
// and PLAY, which opens the game window. It never comes back.
class frmSplash : public QWidget {
  Q_OBJECT

 public:
  explicit frmSplash(QtToolkit& toolkit);

  // Each set in the order its gems are switched.
  std::array<QLabel*, 7> FirstSet{};
  std::array<QLabel*, 7> SecondSet{};
  QPushButton* cmdPlay;
  QTimer Timer1;
  bool BlinkPhase = false;  // true: the first set lights at the next tick

  void Timer1_Timer();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void cmdPlay_Click();

  QtToolkit& toolkit_;
};

}  // namespace glimmerix
