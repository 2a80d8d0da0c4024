#include "ui/windows/BoardCursor.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "board/Board.h"
#include "ui/windows/Geometry.h"

namespace glimmerix {

namespace {

constexpr int RingPixels = 2;

// The cells between the grid lines, the first column and row reaching the window's edge.
int InsideLeft(int column) {
  return column == 0 ? 0 : VerticalGridLine(column).right() + 1;
}

int InsideRight(int column) {
  return column == Columns - 1 ? GameClientSize.width() - 1
                               : VerticalGridLine(column + 1).left() - 1;
}

int InsideTop(int row) {
  return row == 0 ? 0 : HorizontalGridLine(row).bottom() + 1;
}

int InsideBottom(int row) {
  return HorizontalGridLine(row + 1).top() - 1;
}

}  // namespace

bool BoardCursor::move(int key) {
  const int across = int{key == Qt::Key_Right} - int{key == Qt::Key_Left};
  const int down = int{key == Qt::Key_Down} - int{key == Qt::Key_Up};
  if (across == 0 && down == 0) return false;
  if (!std::exchange(shown_, true)) return true;
  movedAcross_ = across != 0;
  const int column = std::clamp(ColumnOf(cell_) + across, 0, Columns - 1);
  const int row = std::clamp(RowOf(cell_) + down, 0, Rows - 1);
  cell_ = CellAt(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row));
  return true;
}

void BoardCursor::clickedAt(std::int16_t cell) {
  cell_ = cell;
  shown_ = false;
  movedAcross_ = false;
}

QRect CursorRect(std::int16_t cell) {
  const int column = ColumnOf(cell);
  const int row = RowOf(cell);
  const QRect inside(QPoint(InsideLeft(column), InsideTop(row)),
                     QPoint(InsideRight(column), InsideBottom(row)));
  const QRect board(0, 0, GameClientSize.width(), BoardBottom);
  return inside.adjusted(-RingPixels, -RingPixels, RingPixels, RingPixels) & board;
}

// Four filled strips rather than a pen: they stay whole pixels at any screen density.
void PaintCursor(QPainter& painter, std::int16_t cell) {
  const QRect ring = CursorRect(cell);
  painter.fillRect(ring.left(), ring.top(), ring.width(), RingPixels, Qt::black);
  painter.fillRect(ring.left(), ring.bottom() - RingPixels + 1, ring.width(), RingPixels,
                   Qt::black);
  painter.fillRect(ring.left(), ring.top(), RingPixels, ring.height(), Qt::black);
  painter.fillRect(ring.right() - RingPixels + 1, ring.top(), RingPixels, ring.height(), Qt::black);
}

}  // namespace glimmerix
