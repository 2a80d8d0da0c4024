#pragma once

#include "board/Board.h"

class QObject;
class QString;
class QAccessibleInterface;

namespace glimmerix {

class BoardView;

// Lets a screen reader follow and play the board: a table of 8 rows and 8 columns whose
// cells, listed row by row, tell their place, gem and pick and can be pressed; the cell
// under the keyboard cursor has the focus while the board has the keyboard. Nothing of
// this is visible.
QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object);

// The table lists the cells row by row; the game numbers them column by column.
[[nodiscard]] constexpr int TableIndexOf(std::int16_t cell) {
  return RowOf(cell) * Columns + ColumnOf(cell);
}

// Tells assistive technology that the cell under the cursor has the focus.
void NotifyCursorFocus(BoardView* view);
// Tells assistive technology that a cell shows another gem or pick: its name changed,
// and its selection too when the pick came or went.
void NotifyCellChanged(BoardView* view, std::int16_t cell, bool pickChanged);

}  // namespace glimmerix
