#pragma once

// game/: the one door from the game to the window system.

#include <string>

namespace glimmerix {

// The windows the game itself drives. The welcome window needs nothing of the game.
enum class Form { Main, Over };

// A form's WindowState.
constexpr int Normal = 0;
constexpr int Minimized = 1;
constexpr int Maximized = 2;  // full screen too: the window has no maximise button

// Everything the game asks of the window system, and nothing more. The game's rules
// reach the screen only through this; the Qt program and the tests each implement it.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Paints what changed and runs every pending event, nested inside the caller.
  virtual void DoEvents() = 0;
  // A modal box with one OK button and no icon; returns when the player dismisses it.
  virtual void MsgBox(const std::string& prompt, const std::string& title) = 0;
  // Ends the program at once, from any depth of nesting; no further handler runs.
  [[noreturn]] virtual void End() = 0;
  // Seconds since midnight, the seed of each deal.
  [[nodiscard]] virtual float Timer() const = 0;

  // The game clock tmrTimeline. Enabling a running clock leaves its tick phase alone.
  virtual void SetTimelineEnabled(bool enabled) = 0;

  // Show brings the form forward as well; touching frmOver loads it hidden first.
  virtual void Show(Form form) = 0;
  virtual void SetVisible(Form form, bool visible) = 0;
  [[nodiscard]] virtual int WindowState(Form form) const = 0;
  virtual void SetWindowState(Form form, int state) = 0;
  // Outer size in twips, frame and menu bar included.
  virtual void SetSize(Form form, int width, int height) = 0;

  // The caption of frmOver's lblOverScore.
  virtual void SetOverScore(const std::string& caption) = 0;
};

}  // namespace glimmerix
