#pragma once

#include <QRect>
#include <cstdint>

class QPainter;

namespace glimmerix {

// Where the keyboard plays: one cell, moved by the arrow keys. It starts on column A,
// row 0 and is shown from the first arrow key until the next click on the board, so
// a player who only uses the mouse never sees it.
class BoardCursor {
 public:
  // Moves one cell for an arrow key, staying put at the edges, and shows the cursor.
  // Any other key is not the cursor's: false.
  bool move(int key);
  void hide() { shown_ = false; }

  [[nodiscard]] std::int16_t cell() const { return cell_; }
  [[nodiscard]] bool shown() const { return shown_; }

 private:
  std::int16_t cell_ = 0;
  bool shown_ = false;
};

// The cursor is a black ring on the inner edge of the white grid lines round its cell
// (on the window's edge where a cell has no line): black on white reads on every gem
// and on the grey, covers nothing inside the cell, and is neither red nor filled, so
// it never looks like a pick.
[[nodiscard]] QRect CursorRect(std::int16_t cell);
void PaintCursor(QPainter& painter, std::int16_t cell);

}  // namespace glimmerix
