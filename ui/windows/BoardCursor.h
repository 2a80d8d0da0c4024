#pragma once

#include <QRect>
#include <cstdint>

class QPainter;

namespace glimmerix {

// Where the keyboard plays: one cell, moved by the arrow keys. It starts on column A,
// row 0 and follows the clicks on the board without showing, so a player who only
// uses the mouse never sees it; the first key shows it where it is.
class BoardCursor {
 public:
  // An arrow key moves a shown cursor one cell, staying put at the edges; a hidden one
  // only shows. Any other key is not the cursor's: false.
  bool move(int key);
  void show() { shown_ = true; }
  void hide() { shown_ = false; }
  // Where the last click was, hidden.
  void clickedAt(std::int16_t cell);

  [[nodiscard]] std::int16_t cell() const { return cell_; }
  [[nodiscard]] bool shown() const { return shown_; }
  // The last move went along a row, left or right.
  [[nodiscard]] bool movedAcross() const { return movedAcross_; }

 private:
  std::int16_t cell_ = 0;
  bool shown_ = false;
  bool movedAcross_ = false;
};

// The cursor is a black ring on the inner edge of the white grid lines round its cell
// (on the window's edge where a cell has no line): black on white reads on every gem
// and on the grey, covers nothing inside the cell, and is neither red nor filled, so
// it never looks like a pick.
[[nodiscard]] QRect CursorRect(std::int16_t cell);
void PaintCursor(QPainter& painter, std::int16_t cell);

}  // namespace glimmerix
