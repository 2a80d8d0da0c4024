#pragma once

#include <array>
#include <cstdint>

namespace glimmerix {

// The board is stored column by column: cells 0-7 are column A top to bottom, 8-15
// column B, and so on. Down is +1 within a column, right is +8.
constexpr std::int16_t Rows = 8;
constexpr std::int16_t Columns = 8;
constexpr std::int16_t CellCount = Rows * Columns;
constexpr std::int16_t GemKinds = 7;
constexpr std::int16_t NoCell = -1;

// A cell is tagged "A" while it is marked as part of a run.
enum class CellTag : std::uint8_t { Empty, A };

// Plain: transparent grey, in front of its gem, so it takes the click on the cell.
// Picked: opaque red, behind its gem, so the red shows around the gem.
enum class FrameLook : std::uint8_t { Plain, Picked };

struct Cell {
  std::int16_t Kind = 0;  // 1-7, the gem picture; a hidden cell keeps its last kind
  CellTag Tag = CellTag::Empty;
  bool Visible = true;  // a hidden cell is a gap left by a removed gem
  FrameLook Frame = FrameLook::Plain;

  friend bool operator==(const Cell&, const Cell&) = default;
};

using Board = std::array<Cell, CellCount>;

[[nodiscard]] constexpr std::int16_t ColumnOf(std::int16_t cell) {
  return cell / Rows;
}
[[nodiscard]] constexpr std::int16_t RowOf(std::int16_t cell) {
  return cell % Rows;
}
[[nodiscard]] constexpr std::int16_t CellAt(std::int16_t column, std::int16_t row) {
  return static_cast<std::int16_t>(column * Rows + row);
}

// One row apart in one column, or one column apart in one row; never across the
// bottom of one column and the top of the next.
[[nodiscard]] constexpr bool AreNeighbours(std::int16_t a, std::int16_t b) {
  const bool sameColumn = ColumnOf(a) == ColumnOf(b);
  const int apart = a > b ? a - b : b - a;
  return (sameColumn && apart == 1) || apart == Rows;
}

}  // namespace glimmerix
