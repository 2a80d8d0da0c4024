#pragma once

#include <QTimer>
#include <array>
#include <memory>

#include "board/RandomSource.h"
#include "game/Toolkit.h"
#include "game/frmMain.h"

namespace glimmerix {

class GameScreen;
class MainWindow;
class frmOver;
class frmSplash;

// The Qt side of the Toolkit: it owns the game, its windows and its two timers, and
// joins what each window signals to the game. The game window is created on first
// load and the game-over window on the first game end; both live until the program ends.
class QtToolkit : public Toolkit {
 public:
  QtToolkit();
  ~QtToolkit() override;

  // The welcome window, whose PLAY loads the game window. It deletes itself after PLAY.
  frmSplash* ShowWelcome();
  // frmMain.Show: the first call loads the game window, which deals the first game.
  void ShowMain();

  [[nodiscard]] frmMain& game() { return game_; }
  [[nodiscard]] MainWindow* mainWindow() const;
  [[nodiscard]] frmOver* overWindow() const { return over_.get(); }
  [[nodiscard]] QTimer& tmrTimeline() { return tmrTimeline_; }
  [[nodiscard]] QTimer& tmrFlicker() { return tmrFlicker_; }

  void DoEvents() override;
  void MsgBox(const std::string& prompt, const std::string& title) override;
  [[noreturn]] void End() override;
  [[nodiscard]] float Timer() const override;
  void SetTimelineEnabled(bool enabled) override;
  void Show(Form form) override;
  void SetVisible(Form form, bool visible) override;
  [[nodiscard]] int WindowState(Form form) const override;
  void SetWindowState(Form form, int state) override;
  void SetSize(Form form, int width, int height) override;
  void SetOverScore(const std::string& caption) override;

 private:
  // Runs a handler of the game as one of its events.
  void play(void (frmMain::*handler)());
  // Before the game waits for events: the screen is to show the game as it is.
  void showChanges();
  [[nodiscard]] QWidget* window(Form form);
  frmOver& over();

  SeededRandom random_;
  frmMain game_{*this, random_};
  QTimer tmrTimeline_;
  QTimer tmrFlicker_;
  std::unique_ptr<GameScreen> screen_;
  std::unique_ptr<frmOver> over_;
  std::array<bool, 2> centred_{};  // each window is centred when first shown
};

}  // namespace glimmerix
