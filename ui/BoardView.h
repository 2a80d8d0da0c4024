#pragma once

#include <QWidget>

#include "game/frmMain.h"
#include "ui/BoardAnnouncer.h"
#include "ui/BoardCursor.h"
#include "ui/Geometry.h"

namespace glimmerix {

// The board and the status row of the game window. It paints whatever the game
// state holds at that moment and turns clicks, and the keys of keyboard play, into
// the game's click events.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(frmMain& game, QWidget* parent = nullptr);

  [[nodiscard]] const frmMain& game() const { return game_; }
  void updateStatus();  // the clock label and the bar, at every tick of the clock
  void updateBar();

  [[nodiscard]] const BoardCursor& cursor() const { return cursor_; }
  // Does at a cell exactly what a click in its middle does: a click on its frame, or
  // on its gem while it is the first pick. The handler may run a whole cascade.
  void pressCell(std::int16_t cell);
  // Tells assistive technology what the game changed on the board and in the score.
  void announceChanges() { announcer_.announceChanges(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void paintBoard(QPainter& painter) const;
  void paintStatus(QPainter& painter, const QRect& dirty);
  void click(const BoardHit& hit);
  void hideCursor();

  frmMain& game_;
  QRect paintedBar_;  // the bar as last drawn
  BoardHit pressed_;  // a click is a press and a release on the same frame or gem
  BoardCursor cursor_;
  BoardAnnouncer announcer_{*this};
};

}  // namespace glimmerix
