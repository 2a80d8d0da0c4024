#pragma once

#include <QObject>
#include <functional>

namespace glimmerix {

// The game's events from the event loop: every click, key, menu command, tick and
// window event runs the game's handler as one. They nest at the game's yields, where
// pending events run at once inside the one that yields. What the screen and the
// narrator need hangs off the signals.
class GameEvents : public QObject {
  Q_OBJECT

 public:
  // Runs one handler of the game as an event.
  void run(const std::function<void()>& handler) {
    if (depth_++ == 0) emit began();
    handler();
    emit catchUp();
    if (--depth_ == 0) emit ended();
  }
  // The game waits for the player: it yields, or a box stands over the board.
  void waiting() { emit catchUp(); }

 signals:
  void began();    // the outermost event starts
  void catchUp();  // the screen is to show the game as it is: every event's end, every wait
  void ended();    // the outermost event is over, and the screen has caught up

 private:
  int depth_ = 0;
};

}  // namespace glimmerix
