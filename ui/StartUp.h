#pragma once

#include <QApplication>
#include <memory>

namespace glimmerix {

// How the program meets the system it starts on. The game itself reads no command
// line: what is there belongs to Qt, apart from --help and --version.

// Prints the help or the version and ends the program with status 0 when either is
// asked for; returns otherwise. It needs no display.
void AnswerHelpAndVersion(int argc, char* argv[]);

// Where the desktop offers an X server, the game runs on it unless the player chose a
// platform: on native Wayland it can neither place its windows nor learn that it was
// minimised. Without an X server Qt chooses as usual, which may be Wayland.
void PreferX11(int argc, char* argv[]);

// The application on the chosen display. When no display can be opened, one line on
// standard error says so and the program ends with status 1. Qt's messages while
// the display opens are held back until it is open, so that line stands alone.
[[nodiscard]] std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[]);

}  // namespace glimmerix
