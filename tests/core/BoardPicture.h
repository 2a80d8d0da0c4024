#pragma once

#include <array>
#include <string>

#include "board/Board.h"

namespace glimmerix::testing {

// Boards in tests are written as eight rows of eight digits, column A first:
// a digit is a shown gem of that kind; '.' is a hidden cell (its kind stays as it was).
using Picture = std::array<const char*, Rows>;

inline void SetBoard(Board& cells, const Picture& picture) {
  for (std::int16_t row = 0; row < Rows; ++row) {
    for (std::int16_t column = 0; column < Columns; ++column) {
      Cell& cell = cells[CellAt(column, row)];
      const char c = picture[row][column];
      cell.Visible = c != '.';
      if (cell.Visible) cell.Kind = static_cast<std::int16_t>(c - '0');
      cell.Tag = CellTag::Empty;
    }
  }
}

// The board as the same picture, hidden cells as '.'.
inline std::string Show(const Board& cells) {
  std::string out;
  for (std::int16_t row = 0; row < Rows; ++row) {
    for (std::int16_t column = 0; column < Columns; ++column) {
      const Cell& cell = cells[CellAt(column, row)];
      out += cell.Visible ? static_cast<char>('0' + cell.Kind) : '.';
    }
    out += '\n';
  }
  return out;
}

inline std::string Show(const Picture& picture) {
  std::string out;
  for (const char* row : picture) out += std::string(row) + '\n';
  return out;
}

// The tagged cells as a picture: 'A' for a tag, '-' for none.
inline std::string Tags(const Board& cells) {
  std::string out;
  for (std::int16_t row = 0; row < Rows; ++row) {
    for (std::int16_t column = 0; column < Columns; ++column) {
      out += cells[CellAt(column, row)].Tag == CellTag::A ? 'A' : '-';
    }
    out += '\n';
  }
  return out;
}

}  // namespace glimmerix::testing
