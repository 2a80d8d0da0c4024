#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "game/frmMain.h"

namespace glimmerix {

class Announcer;
class BoardView;

// What the game says to a player who listens: one utterance for each event of the game
// from the event loop, once the game is idle again, however many waves its cascade took.
// The game itself says nothing: the narrator compares what the rules counted and what
// the player could see before the event with the same after it. Nothing else decides
// what is said.
class Narrator {
  Q_DECLARE_TR_FUNCTIONS(Narrator)

 public:
  Narrator(const frmMain& game, const BoardView& board, Announcer& announcer);

  // The outermost event of the game begins, and ends.
  void eventBegan();
  void eventEnded();

 private:
  // What the player could know at one moment.
  struct Moment {
    Tallies tally;
    std::int16_t pick;
    double timeLeft;
    std::int16_t cursorCell;
    std::int16_t cursorGem;  // 0 while the cell is empty
  };
  [[nodiscard]] Moment now() const;
  // How much one of the rules' counts grew since the event began.
  [[nodiscard]] int grew(int Tallies::*count) const;
  [[nodiscard]] QStringList said() const;
  [[nodiscard]] QString aboutThePick() const;
  [[nodiscard]] QString exchanged() const;

  const frmMain& game_;
  const BoardView& board_;
  Announcer& announcer_;
  Moment before_{};  // as the outermost event began
};

}  // namespace glimmerix
