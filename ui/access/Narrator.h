#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <QTimer>

#include "game/frmMain.h"

namespace glimmerix {

class Announcer;
class MainWindow;

// What the game says to a player who listens: one utterance for each event of the game
// from the event loop, once the game is idle again, however many waves its cascade took.
// The game itself says nothing: the narrator compares what the rules counted and what
// the player could know before the event with the same after it. Nothing else decides
// what is said.
class Narrator {
  Q_DECLARE_TR_FUNCTIONS(Narrator)

 public:
  Narrator(const frmMain& game, const MainWindow& window, Announcer& announcer);

  // The outermost event of the game begins, and ends.
  void eventBegan();
  void eventEnded();

 private:
  // What the player could know at one moment.
  struct Moment {
    Tallies tally;
    std::int16_t pick;
    double timeLeft;
  };
  [[nodiscard]] Moment now() const;
  // How much one of the rules' counts grew since the event began.
  [[nodiscard]] int grew(int Tallies::*count) const;
  [[nodiscard]] QStringList said() const;
  [[nodiscard]] QString aboutThePick() const;
  [[nodiscard]] QString exchanged() const;
  [[nodiscard]] QString whereRunsWere() const;
  // Says the words; a warning waits until what was said before has been heard.
  void speak(QStringList words, bool warning);

  const frmMain& game_;
  const MainWindow& window_;
  Announcer& announcer_;
  Moment before_{};             // as the outermost event began
  bool wasOutOfSight_ = false;  // as the last event ended: a restore comes before its event
  QDeadlineTimer heard_;        // when the last words will have been spoken
  bool warningWaits_ = false;   // the ten-seconds warning, held until then
  QTimer warningDue_;
};

}  // namespace glimmerix
