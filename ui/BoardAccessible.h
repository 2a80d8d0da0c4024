#pragma once

#include "board/Board.h"

class QObject;
class QString;
class QAccessibleInterface;

namespace glimmerix {

class BoardView;

// The board's accessible children: the cells by number, then the score and the clock.
constexpr int ScoreItem = CellCount;
constexpr int ClockItem = CellCount + 1;

// Lets a screen reader follow and play the board: each of the 64 cells reports its
// column, row, gem colour and whether it is picked, and offers a press action that does
// what Space does on it; the keyboard cursor is the accessible focus; two more
// children read the score and the clock. Nothing of this is visible.
QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object);

// Tells assistive technology that the keyboard cursor has moved: its cell has the focus.
void NotifyCursorMoved(BoardView* view);
// Tells assistive technology that a cell shows another gem or pick: its name changed,
// and its selection too when the pick came or went.
void NotifyCellChanged(BoardView* view, std::int16_t cell, bool pickChanged);
// The score's name changed. The clock tells nothing: an event at every tick would drown
// the rest; it is read on demand.
void NotifyScoreChanged(BoardView* view);

}  // namespace glimmerix
