#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "EndInTest.h"
#include "ui/app/StartUp.h"

namespace glimmerix::testing {
namespace {

// A command line as main receives it: the program's name first.
struct CommandLine {
  explicit CommandLine(std::vector<std::string> args) : words(std::move(args)) {
    words.insert(words.begin(), "glimmerix");
    for (std::string& word : words) argv.push_back(word.data());
  }
  int argc() const { return static_cast<int>(words.size()); }
  std::vector<std::string> words;
  std::vector<char*> argv;
};

// The variables the start reads; a value of nullptr leaves one unset.
constexpr std::array StartVariables{"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE",
                                    "QT_QPA_PLATFORM"};
void SetStartVariables(const std::array<const char*, 4>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] ? qputenv(StartVariables[i], values[i]) : qunsetenv(StartVariables[i]);
  }
}

struct Start {
  std::array<const char*, 4> variables;
  std::vector<std::string> args;
  const char* platform;  // QT_QPA_PLATFORM as the game leaves it for Qt
  std::string line;      // what a start that opens no display says first
};

// X wherever an X server is offered and no platform is chosen, Wayland the second choice
// on Wayland desktops; a start that opens no display names what it tried.
TEST(StartUp, ChoosesAPlatformAndNamesWhatFailed) {
  const std::string no = "glimmerix: no display to show the game on: ";
  const std::string cannot = "glimmerix: cannot open a display to show the game on (platform ";
  // clang-format off
  const std::vector<Start> starts{
      {{}, {}, nullptr, no + "DISPLAY and WAYLAND_DISPLAY are unset"},
      {{":5", nullptr, "x11"}, {}, "xcb", cannot + "xcb, DISPLAY :5, WAYLAND_DISPLAY unset)"},
      {{":5", "wl"}, {}, "xcb;wayland", cannot + "xcb;wayland, DISPLAY :5, WAYLAND_DISPLAY wl)"},
      {{":5", nullptr, "wayland"}, {}, "xcb;wayland",
       cannot + "xcb;wayland, DISPLAY :5, WAYLAND_DISPLAY unset)"},
      {{nullptr, "wl", "wayland"}, {}, nullptr,
       cannot + "Qt's default, DISPLAY unset, WAYLAND_DISPLAY wl)"},
      {{":5", "wl", nullptr, "wayland"}, {}, "wayland",
       cannot + "wayland, DISPLAY :5, WAYLAND_DISPLAY wl)"},
      {{":5"}, {"-platform", "offscreen"}, nullptr,
       cannot + "offscreen, DISPLAY :5, WAYLAND_DISPLAY unset)"},
      {{}, {"-reverse", "--platform", "foo"}, nullptr,
       cannot + "foo, DISPLAY unset, WAYLAND_DISPLAY unset)"},
      {{}, {"-display", ":7"}, nullptr,
       cannot + "Qt's default, -display :7, DISPLAY unset, WAYLAND_DISPLAY unset)"},
      {{":5"}, {"-platform", "xcb", "--display", ":7"}, nullptr,
       cannot + "xcb, -display :7, DISPLAY :5, WAYLAND_DISPLAY unset)"},
  };
  // clang-format on
  std::array<QByteArray, 4> saved;
  for (std::size_t i = 0; i < saved.size(); ++i) saved[i] = qgetenv(StartVariables[i]);
  for (const Start& start : starts) {
    SetStartVariables(start.variables);
    CommandLine line(start.args);
    PreferX11(line.argc(), line.argv.data());
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), start.platform) << start.line;
    EXPECT_EQ(NoDisplayLine(line.argc(), line.argv.data()).toStdString(), start.line);
  }
  for (std::size_t i = 0; i < saved.size(); ++i) {
    saved[i].isNull() ? qunsetenv(StartVariables[i]) : qputenv(StartVariables[i], saved[i]);
  }
  // The second line: Qt's words, one sentence after another, without its advice.
  EXPECT_EQ(QtReasonLine({"Could not connect to display :7"},
                         "Qt's advice.\n\nAvailable platform plugins are: xcb, offscreen.\n"),
            "glimmerix: Qt says: Could not connect to display :7; Available platform plugins "
            "are: xcb, offscreen");
}

// Qt's own single-dash options are words, not bundles of letters: -reverse holds a v,
// -stylesheet an h.
TEST(StartUp, AnswersHelpAndVersionAndLeavesQtsOptionsAlone) {
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName("Glimmerix");
  QCoreApplication::setApplicationVersion("1.00");
  const std::vector<std::pair<std::vector<std::string>, QString>> answers{
      {{"--version"}, "Glimmerix 1.00\n"},
      {{"-v"}, "Glimmerix 1.00\n"},
      {{"-reverse", "-stylesheet", "none.qss", "--version"}, "Glimmerix 1.00\n"},
      {{"-reverse"}, ""},
      {{"-stylesheet", "none.qss", "-platform", "offscreen", "-display", ":5"}, ""},
      {{"--help"}, "Usage"},
      {{"-h"}, "Usage"},
      {{"-?"}, "Usage"},
  };
  for (const auto& [args, answer] : answers) {
    CommandLine line(args);
    const QString said = HelpOrVersion(line.argc(), line.argv.data());
    EXPECT_TRUE(answer.isEmpty() ? said.isEmpty() : said.startsWith(answer)) << line.words.back();
    if (answer == "Usage") {
      EXPECT_TRUE(said.contains("-platform NAME") && said.contains("--version"));
    }
  }
  CommandLine asks({"-platform", "offscreen", "--version"});
  EXPECT_PROGRAM_END(AnswerHelpAndVersion(asks.argc(), asks.argv.data()), 0);
  CommandLine asksNothing({"-reverse"});
  AnswerHelpAndVersion(asksNothing.argc(), asksNothing.argv.data());  // returns
  QCoreApplication::setApplicationName(name);
}

}  // namespace
}  // namespace glimmerix::testing
