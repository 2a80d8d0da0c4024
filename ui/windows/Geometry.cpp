#include "ui/windows/Geometry.h"

#include <array>
#include <cmath>

namespace glimmerix {

namespace {

constexpr std::array<int, Columns> GemLeft{30, 670, 1270, 1870, 2470, 3070, 3670, 4270};

// Top edges of the gem pictures, [row][column]; the board was laid out by hand.
constexpr std::array<std::array<int, Columns>, Rows> GemTop{{
    {30, 30, 30, 30, 30, 30, 30, 30},
    {650, 640, 660, 640, 640, 640, 640, 640},
    {1240, 1260, 1250, 1240, 1240, 1240, 1240, 1240},
    {1860, 1860, 1840, 1840, 1840, 1840, 1840, 1840},
    {2440, 2440, 2440, 2440, 2440, 2440, 2440, 2440},
    {3060, 3050, 3040, 3040, 3040, 3040, 3040, 3040},
    {3660, 3650, 3640, 3640, 3640, 3640, 3640, 3640},
    {4260, 4250, 4250, 4240, 4250, 4240, 4240, 4240},
}};

// Pixel sizes of the seven gem pictures, by kind.
constexpr std::array<QSize, GemKinds + 1> GemSizes{QSize{0, 0},   QSize{34, 34}, QSize{30, 30},
                                                   QSize{30, 30}, QSize{32, 33}, QSize{34, 32},
                                                   QSize{30, 30}, QSize{30, 33}};

constexpr int CellTwips = 600;
constexpr int GridPixels = 5;
constexpr int FrameInset = 45;  // twips from the cell's corner, except along the edges
constexpr int FrameWidth = 510;
constexpr int LastColumnFrameWidth = 590;  // column H's frames reach past the window's edge
constexpr int FrameHeight = 525;

}  // namespace

int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

QSize GemSize(std::int16_t kind) {
  return kind >= 1 && kind <= GemKinds ? GemSizes[kind] : QSize{};
}

QRect GemRect(std::int16_t cell, std::int16_t kind) {
  const QPoint topLeft{TwipsToPixels(GemLeft[ColumnOf(cell)]),
                       TwipsToPixels(GemTop[RowOf(cell)][ColumnOf(cell)])};
  return {topLeft, GemSize(kind)};
}

QRect FrameRect(std::int16_t cell) {
  const int column = ColumnOf(cell);
  const int row = RowOf(cell);
  const int left = column == 0 ? 0 : CellTwips * column + FrameInset;
  const int top = row == 0 ? 0 : CellTwips * row + FrameInset;
  const int width = column == Columns - 1 ? LastColumnFrameWidth : FrameWidth;
  return TwipsRect(left, top, width, FrameHeight);
}

// Lines are 5 pixels wide, centred on their designed coordinate.
QRect VerticalGridLine(int index) {
  const int x = TwipsToPixels(CellTwips * index);
  return {x - GridPixels / 2, 0, GridPixels, BoardBottom};
}

QRect HorizontalGridLine(int index) {
  const int y = TwipsToPixels(CellTwips * index);
  return {0, y - GridPixels / 2, TwipsToPixels(6600), GridPixels};
}

QRect BarRect(float x2) {
  constexpr int BarPixels = 7;
  const int y = TwipsToPixels(5040);
  const int left = TwipsToPixels(-15);
  const int right = TwipsToPixels(x2);
  if (right < left) return {};  // a scoreless player's bar has run off the left edge
  return {QPoint{left, y - BarPixels / 2}, QPoint{right, y + BarPixels / 2}};
}

BoardHit HitTest(const Board& cells, QPoint point) {
  using Target = BoardHit::Target;
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    if (cells[cell].Frame == FrameLook::Plain && FrameRect(cell).contains(point)) {
      return {Target::Frame, cell};
    }
  }
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    if (cells[cell].Visible && GemRect(cell, cells[cell].Kind).contains(point)) {
      return {Target::Gem, cell};
    }
  }
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    if (cells[cell].Frame == FrameLook::Picked && FrameRect(cell).contains(point)) {
      return {Target::Frame, cell};
    }
  }
  return {};
}

}  // namespace glimmerix
