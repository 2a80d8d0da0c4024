#pragma once

#include <QWidget>

#include "game/frmMain.h"
#include "ui/Geometry.h"

namespace glimmerix {

// The board and the status row of the game window. It paints whatever the game
// state holds at that moment and turns clicks into the game's click events.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(frmMain& game, QWidget* parent = nullptr);

  [[nodiscard]] const frmMain& game() const { return game_; }
  void updateStatus();  // the clock label and the bar, at every tick of the clock
  void updateBar();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void paintBoard(QPainter& painter) const;
  void paintStatus(QPainter& painter, const QRect& dirty);

  frmMain& game_;
  QRect paintedBar_;  // the bar as last drawn
  BoardHit pressed_;  // a click is a press and a release on the same frame or gem
};

}  // namespace glimmerix
