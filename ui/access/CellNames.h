#pragma once

#include <QString>

#include "board/Board.h"

namespace glimmerix {

class BoardCursor;

// What a screen reader says of a cell's gem: "green", or "empty" while its gem is gone.
[[nodiscard]] QString GemName(const Cell& cell);
// A place on the board as the player says it: "C3" (rows from 1).
[[nodiscard]] QString PlaceName(std::int16_t cell);
// A cell in a spoken result: "C3 green".
[[nodiscard]] QString SpokenCell(const Board& cells, std::int16_t cell);
// A row as the table's header names it: "row 3".
[[nodiscard]] QString RowName(int row);

// A cell as the board's table names it. A screen reader reads a whole row when the cursor
// moves up or down, and the one cell when it moves along: so a cell says its gem, the
// first cell of each row says the row ("row 3, green"), and the cursor's cell after a
// move along its row says the column instead ("C green"). ", picked" while it is the pick.
[[nodiscard]] QString TableCellName(const Board& cells, std::int16_t cell,
                                    const BoardCursor& cursor);

}  // namespace glimmerix
