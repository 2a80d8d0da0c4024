#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "game/frmMain.h"
#include "ui/Geometry.h"

namespace glimmerix {

class Announcer;
class BoardCursor;

// What the game says to a player who listens: one utterance for each of the player's
// actions, once the game is idle again, however many waves its cascade took. The game
// itself says nothing; the narrator compares what it was before an action with what it
// is after, and counts the gems it saw vanish at the cascade's yields.
class Narrator {
  Q_DECLARE_TR_FUNCTIONS(Narrator)

 public:
  Narrator(const frmMain& game, const BoardCursor& cursor, Announcer& announcer);

  // Every entry of the game from the event loop is bracketed by these; entries nest at
  // the game's yields, and the outermost one speaks when it leaves.
  void enter();
  void leave();

  // Spoken when the game is idle: at once if it is, else as part of the utterance.
  void say(const QString& words);

  // What a click on the board was about to do, and what it did.
  struct Click {
    BoardHit hit;
    std::int16_t pick;
    std::int16_t score;
    int cleared;
  };
  [[nodiscard]] Click clickStarts(const BoardHit& hit) const;
  void clickEnded(const Click& click);

  // Seen at every yield: how many cells of the board are gaps.
  void noteGaps(int gaps);
  // Seen whenever the screen catches up: the warning as the clock reaches ten seconds.
  void watchClock();

 private:
  [[nodiscard]] QString describe(const Click& click) const;
  [[nodiscard]] QString exchanged(const Click& click) const;
  [[nodiscard]] std::int16_t gemUnderCursor() const;

  const frmMain& game_;
  const BoardCursor& cursor_;
  Announcer& announcer_;
  int depth_ = 0;
  int cleared_ = 0;  // gems cleared for points, counted since the program started
  int gaps_ = 0;
  QStringList pending_;
  std::int16_t cursorCell_ = NoCell;  // where the cursor was when the action began
  std::int16_t cursorGem_ = 0;        // and the gem it showed there
  bool warned_ = true;                // no warning until a game has more than ten seconds
};

}  // namespace glimmerix
