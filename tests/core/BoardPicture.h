#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

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

// The board on one line, rows separated by spaces: "12341234 34123412 ...".
inline std::string Flat(const Board& cells) {
  std::string out = Show(cells);
  for (char& c : out) c = c == '\n' ? ' ' : c;
  out.pop_back();
  return out;
}

inline std::string Flat(const Picture& picture) {
  std::string out;
  for (const char* row : picture) out += std::string(row) + ' ';
  out.pop_back();
  return out;
}

// Whether three gems of one kind stand in a line, judged here cell by cell and
// not by the game's own scan.
inline bool HasRun(const Board& cells) {
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    const std::int16_t kind = cells[cell].Kind;
    const bool down =
        RowOf(cell) < Rows - 2 && cells[cell + 1].Kind == kind && cells[cell + 2].Kind == kind;
    const bool across = ColumnOf(cell) < Columns - 2 && cells[cell + Rows].Kind == kind &&
                        cells[cell + 2 * Rows].Kind == kind;
    if (down || across) return true;
  }
  return false;
}

// The exchanges of neighbours that would make a run, as (cell, cell below or right),
// in the order of the cells; the first `atMost` of them.
inline std::vector<std::pair<int, int>> Moves(Board cells, std::size_t atMost = CellCount * 2) {
  std::vector<std::pair<int, int>> moves;
  for (std::int16_t cell = 0; cell < CellCount && moves.size() < atMost; ++cell) {
    for (int other : {cell + 1, cell + Rows}) {
      if (other >= CellCount || (other == cell + 1 && RowOf(cell) == Rows - 1)) continue;
      std::swap(cells[cell].Kind, cells[other].Kind);
      if (HasRun(cells)) moves.emplace_back(cell, other);
      std::swap(cells[cell].Kind, cells[other].Kind);
    }
  }
  return moves;
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
