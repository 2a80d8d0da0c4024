#pragma once

#include <array>
#include <string>

#include "board/Board.h"

namespace glimmerix {

class BoardView;

// Keeps assistive technology in step with the board: it remembers what it last told
// and, when asked, reports each cell whose gem or pick has changed since (its name,
// and its selection when the pick came or went) and a changed score. The clock is
// not reported: an event at every tick would drown the rest; it is read on demand.
class BoardAnnouncer {
 public:
  explicit BoardAnnouncer(BoardView& view) : view_(view) {}

  // Call whenever the game may have changed the board or the score.
  void announceChanges();

 private:
  struct Told {
    std::int16_t kind = 0;
    bool visible = false;
    FrameLook frame = FrameLook::Plain;
    friend bool operator==(const Told&, const Told&) = default;
  };

  BoardView& view_;
  std::array<Told, CellCount> cells_{};
  std::string score_;
};

}  // namespace glimmerix
