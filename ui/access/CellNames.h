#pragma once

#include <QString>

#include "board/Board.h"

namespace glimmerix {

// What a screen reader says of a gem: "red gem".
[[nodiscard]] QString GemName(std::int16_t kind);
// How a screen reader names a place on the board: "Column C, row 3" (rows from 1).
[[nodiscard]] QString PlaceName(std::int16_t cell);
// A cell as the board's table names it: "Column C, row 3: green gem", with ", picked"
// while it is the pick, or "Column C, row 3: empty" while its gem is gone.
[[nodiscard]] QString CellName(const Cell& cell, std::int16_t index);
// The same, picked or not: "Column C, row 3: green gem".
[[nodiscard]] QString GemPlaceName(const Cell& cell, std::int16_t index);

}  // namespace glimmerix
