#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

namespace glimmerix {

// The welcome window: the title framed by fourteen gems that blink in two sets, in the
// middle of the screen, and PLAY. After PLAY it is gone for good.
class frmSplash : public QWidget {
  Q_OBJECT

 public:
  frmSplash();

  // One gem of the frame. The window paints the lit ones itself: gems that were widgets
  // of their own would tell assistive technology of every blink.
  struct Image {
    std::int16_t kind;
    QPoint at;  // pixels
    bool Visible = true;
  };
  // Each set in the order its gems are switched.
  std::array<Image, 7> FirstSet{};
  std::array<Image, 7> SecondSet{};
  QPushButton* cmdPlay;
  QTimer Timer1;
  bool BlinkPhase = false;  // true: the first set lights at the next tick

  void Timer1_Timer();

 signals:
  void play();  // after the window has gone: it deletes itself
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load();
  void cmdPlay_Click();
  void setVisible(Image& gem, bool visible);
};

}  // namespace glimmerix
