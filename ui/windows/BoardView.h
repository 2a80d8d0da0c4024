#pragma once

#include <QWidget>
#include <array>

#include "game/frmMain.h"
#include "ui/windows/BoardCursor.h"
#include "ui/windows/Geometry.h"

namespace glimmerix {

// The board of the game window: it paints the cells as the game holds them, and turns
// clicks, and the keys of keyboard play, into the game's click events.
//
// The game writes its state without a word to the view. Whenever the game hands control
// back to the event loop (each of its events returns, it yields, or a box waits for the
// player), showChanges compares the game with what the view last showed and repaints
// what differs, and only that.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(const frmMain& game, QWidget* parent = nullptr);

  [[nodiscard]] const frmMain& game() const { return game_; }
  [[nodiscard]] const BoardCursor& cursor() const { return cursor_; }
  void showChanges();
  // Does at a cell exactly what a click in its middle does: a click on its frame, or
  // on its gem while it is the first pick.
  void pressCell(std::int16_t cell);

 signals:
  void frameClicked(std::int16_t cell);  // lblA_Click .. lblH_Click
  void gemClicked(std::int16_t cell);    // imgrock_Click
  // A cell shows another gem or frame; pickChanged when its frame is the one.
  void cellShown(std::int16_t cell, bool pickChanged);
  // The cursor went on from a cell, or the board has the keyboard back (from its own cell).
  void cursorMoved(std::int16_t from);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // What a cell looks like: its gem (0 while the cell is empty) and its frame.
  struct CellLook {
    std::int16_t gem = 0;
    FrameLook frame = FrameLook::Plain;
    friend bool operator==(const CellLook&, const CellLook&) = default;
  };

  void showCell(std::int16_t cell, CellLook look);
  void click(const BoardHit& hit);
  void moveCursorTo(std::int16_t cell);

  const frmMain& game_;
  // What the view last showed, or is about to show at the next repaint.
  std::array<CellLook, CellCount> shownCells_{};
  BoardHit pressed_;  // a click is a press and a release on the same frame or gem
  BoardCursor cursor_;
};

}  // namespace glimmerix
