#include "ui/StartUp.h"

#include <QCommandLineParser>
#include <QList>
#include <cstdio>
#include <cstdlib>

#include "ui/Translations.h"

namespace glimmerix {

namespace {

// The platform the player named with -platform, else in QT_QPA_PLATFORM; empty when
// Qt is left to choose.
QByteArray ChosenPlatform(int argc, char* argv[]) {
  for (int i = 1; i + 1 < argc; ++i) {
    const QByteArrayView arg(argv[i]);
    if (arg == "-platform" || arg == "--platform") return argv[i + 1];
  }
  return qgetenv("QT_QPA_PLATFORM");
}

QString ValueOrUnset(const char* variable) {
  const QString value = qEnvironmentVariable(variable);
  return value.isEmpty() ? TranslatedEarly("StartUp", "unset") : value;
}

// The one line a start without a display prints, worded before Qt takes its options
// out of the command line.
QByteArray NoDisplayLine(int argc, char* argv[]) {
  const QByteArray platform = ChosenPlatform(argc, argv);
  if (platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    return TranslatedEarly(
               "StartUp",
               "glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset")
        .toUtf8();
  }
  return TranslatedEarly("StartUp",
                         "glimmerix: cannot open a display to show the game on (platform %1, "
                         "DISPLAY %2, WAYLAND_DISPLAY %3)")
      .arg(platform.isEmpty() ? TranslatedEarly("StartUp", "Qt's default")
                              : QString::fromLocal8Bit(platform),
           ValueOrUnset("DISPLAY"), ValueOrUnset("WAYLAND_DISPLAY"))
      .toUtf8();
}

struct HeldMessage {
  QtMsgType type;
  QByteArray file, function, category;
  int line;
  QString text;
};

const char* OrNull(const QByteArray& bytes) {
  return bytes.isNull() ? nullptr : bytes.constData();
}

QByteArray noDisplayLine;
QList<HeldMessage> heldMessages;

// Qt ends a start without a usable platform with a fatal message and an abort; the
// game ends it with its own line and status 1 instead.
void HoldBackWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", noDisplayLine.constData());
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
  }
  heldMessages.append({type, context.file, context.function, context.category, context.line, text});
}

}  // namespace

void AnswerHelpAndVersion(int argc, char* argv[]) {
  QCommandLineParser parser;
  parser.setApplicationDescription(TranslatedEarly(
      "StartUp",
      "A timed gem-swapping game. It has no options of its own; the options every Qt\n"
      "program takes, such as -platform NAME, work as usual. See glimmerix(6)."));
  // Single-dash words are Qt's own options (-platform, -reverse, -stylesheet), not
  // bundles of single-letter ones.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                TranslatedEarly("StartUp", "Displays this help."));
  parser.addOption(help);
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   TranslatedEarly("StartUp", "Displays version information."));
  parser.addOption(version);
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  parser.parse(arguments);  // anything else on the line is Qt's, read when the display opens
  if (parser.isSet(version)) parser.showVersion();
  if (parser.isSet(help)) {
    const QCoreApplication named(argc, argv);  // the help's usage line names the program
    InstallTranslations();                     // and is worded in the player's language
    parser.showHelp(EXIT_SUCCESS);
  }
}

void PreferX11(int argc, char* argv[]) {
  if (!ChosenPlatform(argc, argv).isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY")) return;
  // Should the X server fail on a Wayland desktop, Wayland is the next best place to play.
  const bool wayland =
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
  qputenv("QT_QPA_PLATFORM", wayland ? "xcb;wayland" : "xcb");
}

std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[]) {
  noDisplayLine = NoDisplayLine(argc, argv);
  const QtMessageHandler previous = qInstallMessageHandler(HoldBackWhileOpening);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& m : std::as_const(heldMessages)) {
    previous(m.type,
             QMessageLogContext(OrNull(m.file), m.line, OrNull(m.function), OrNull(m.category)),
             m.text);
  }
  heldMessages.clear();
  return app;
}

}  // namespace glimmerix
