#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "board/Board.h"

namespace glimmerix {

// Designed positions are twips; the screen has 15 of them to a pixel.
[[nodiscard]] int TwipsToPixels(double twips);
[[nodiscard]] QRect TwipsRect(int left, int top, int width, int height);

// The part of the game window under the menu bar: the board, and under it the status
// row. Everything placed further right (the parking area) is never seen. Positions are
// in this area's pixels; the status row's parts too.
constexpr QSize GameClientSize{320, 374};
constexpr int BoardBottom = 323;  // the lowest grid line's last pixel row, plus one
constexpr QRect StatusArea{0, BoardBottom, GameClientSize.width(),
                           GameClientSize.height() - BoardBottom};

[[nodiscard]] QSize GemSize(std::int16_t kind);
[[nodiscard]] QRect GemRect(std::int16_t cell, std::int16_t kind);
[[nodiscard]] QRect FrameRect(std::int16_t cell);
[[nodiscard]] QRect VerticalGridLine(int index);    // 1..7
[[nodiscard]] QRect HorizontalGridLine(int index);  // 1..8
[[nodiscard]] QRect BarRect(float x2);              // linTime from -15 to X2 at y 5040

// What a click at a point reaches, by the stacking of the board: a plain frame lies in
// front of its gem, a picked frame behind it, and a hidden gem takes no click.
struct BoardHit {
  enum class Target { None, Frame, Gem };
  Target target = Target::None;
  std::int16_t cell = NoCell;
  friend bool operator==(const BoardHit&, const BoardHit&) = default;
};
[[nodiscard]] BoardHit HitTest(const Board& cells, QPoint point);

}  // namespace glimmerix
