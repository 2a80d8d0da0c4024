#pragma once

#include <QApplication>
#include <QStringList>
#include <memory>

namespace glimmerix {

// How the program meets the system it starts on. The game itself reads no command
// line: what is there belongs to Qt, apart from --help and --version.

// Prints the help or the version and ends the program with status 0 when either is
// asked for; returns otherwise. It needs no display.
void AnswerHelpAndVersion(int argc, char* argv[]);
// The help or the version text the command line asks for; empty when it asks for neither.
[[nodiscard]] QString HelpOrVersion(int argc, char* argv[]);

// Where the desktop offers an X server, the game runs on it unless the player chose a
// platform: on native Wayland it can neither place its windows nor learn that it was
// minimised. Without an X server Qt chooses as usual, which may be Wayland.
void PreferX11(int argc, char* argv[]);

// The application on the chosen display. When no display can be opened, standard error
// gets one line that says what the start tried (NoDisplayLine) and, unless no display
// or platform was named at all, a second in Qt's words (QtReasonLine); then the program
// ends with status 1. Qt's messages while the display opens are held back until it is
// open, so that those lines stand alone.
[[nodiscard]] std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[]);

// Worded before Qt takes its options out of the command line.
[[nodiscard]] QByteArray NoDisplayLine(int argc, char* argv[]);
// From what Qt said while the display would not open: each platform's failure, and from
// its last word, the fatal message that ends the start, the platforms there are.
[[nodiscard]] QByteArray QtReasonLine(const QStringList& platformSaid, const QString& lastWord);

}  // namespace glimmerix
