#pragma once

#include <QTimer>
#include <array>
#include <memory>

#include "board/RandomSource.h"
#include "game/Toolkit.h"
#include "game/frmMain.h"

namespace glimmerix {

class MainWindow;
class frmOver;

// The Qt side of the Toolkit: it owns the game, its windows and its two timers.
// The game window is created on first load and the game-over window on the first
// game end; both live until the program ends.
class QtToolkit : public Toolkit {
 public:
  QtToolkit();
  ~QtToolkit() override;

  // frmMain.Show: the first call loads the game window, which deals the first game.
  void ShowMain();
  // Seeds the game's chance from the time of day.
  void Randomize() { random_.Randomize(Timer()); }

  [[nodiscard]] frmMain& game() { return game_; }
  [[nodiscard]] MainWindow* mainWindow() const { return main_.get(); }
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
  // Before the game waits for events: the screen is to show the game as it is.
  void showChanges();
  [[nodiscard]] QWidget* window(Form form);
  frmOver& over();

  SeededRandom random_;
  frmMain game_{*this, random_};
  QTimer tmrTimeline_;
  QTimer tmrFlicker_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<frmOver> over_;
  std::array<bool, 2> centred_{};  // each window is centred when first shown
};

}  // namespace glimmerix
