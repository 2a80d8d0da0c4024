#pragma once

#include <memory>

#include "game/frmMain.h"
#include "ui/access/Narrator.h"
#include "ui/toolkit/GameEvents.h"

namespace glimmerix {

class MainWindow;

// The game window joined to the game: every click, key, menu command and window event
// of the window runs the game's handler as one of its events; after each the screen
// shows the game, and the narrator tells a listener what it did.
class GameScreen {
 public:
  explicit GameScreen(frmMain& game);
  ~GameScreen();

  [[nodiscard]] MainWindow& window() const { return *window_; }
  [[nodiscard]] GameEvents& events() { return events_; }

 private:
  void connectWindow();

  frmMain& game_;
  GameEvents events_;
  std::unique_ptr<MainWindow> window_;
  Narrator narrator_;
};

}  // namespace glimmerix
