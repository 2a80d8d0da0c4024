#include "ui/StartUp.h"

#include <QCommandLineParser>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "ui/EndProgram.h"
#include "ui/Translations.h"

namespace glimmerix {

namespace {

// The value after one of Qt's own options (-platform NAME, which Qt takes with two
// dashes too); empty when the option is not given.
QByteArray QtOption(int argc, char* argv[], QByteArrayView option) {
  for (int i = 1; i + 1 < argc; ++i) {
    QByteArrayView arg(argv[i]);
    if (arg.startsWith("--")) arg = arg.sliced(1);
    if (arg == option) return argv[i + 1];
  }
  return {};
}

// The platform the player named with -platform, else in QT_QPA_PLATFORM; empty when
// Qt is left to choose.
QByteArray ChosenPlatform(int argc, char* argv[]) {
  const QByteArray named = QtOption(argc, argv, "-platform");
  return named.isEmpty() ? qgetenv("QT_QPA_PLATFORM") : named;
}

QString ValueOrUnset(const char* variable) {
  const QString value = qEnvironmentVariable(variable);
  return value.isEmpty() ? TranslatedEarly("StartUp", "unset") : value;
}

// Neither the player nor the desktop named any display or platform.
bool NothingNamed(int argc, char* argv[]) {
  return ChosenPlatform(argc, argv).isEmpty() && QtOption(argc, argv, "-display").isEmpty() &&
         qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
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
bool explainWithQt = false;
QList<HeldMessage> heldMessages;
QStringList qtSaid;

// What Qt reports of a platform that fails: its platform plugins' words, and criticals.
bool IsAboutThePlatform(QtMsgType type, const QMessageLogContext& context) {
  return type == QtCriticalMsg || QByteArrayView(context.category).startsWith("qt.qpa");
}

// Qt ends a start without a usable platform with a fatal message and an abort; the
// game ends it with its own line, Qt's reason, and status 1 instead.
void HoldBackWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", noDisplayLine.constData());
    if (explainWithQt) std::fprintf(stderr, "%s\n", QtReasonLine(qtSaid << text).constData());
    EndProgram(EXIT_FAILURE);
  }
  if (IsAboutThePlatform(type, context)) qtSaid << text;
  heldMessages.append({type, context.file, context.function, context.category, context.line, text});
}

}  // namespace

QString HelpOrVersion(int argc, char* argv[]) {
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
  if (parser.isSet(version)) {
    return QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() +
           u'\n';
  }
  if (!parser.isSet(help)) return {};
  std::optional<QCoreApplication> named;  // the help's usage line names the program
  if (!QCoreApplication::instance()) {
    named.emplace(argc, argv);
    InstallTranslations();  // and is worded in the player's language
  }
  return parser.helpText();
}

void AnswerHelpAndVersion(int argc, char* argv[]) {
  const QString answer = HelpOrVersion(argc, argv);
  if (answer.isEmpty()) return;
  std::fputs(answer.toLocal8Bit().constData(), stdout);
  EndProgram(EXIT_SUCCESS);
}

void PreferX11(int argc, char* argv[]) {
  if (!ChosenPlatform(argc, argv).isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY")) return;
  // Should the X server fail on a Wayland desktop, Wayland is the next best place to play.
  const bool wayland =
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
  qputenv("QT_QPA_PLATFORM", wayland ? "xcb;wayland" : "xcb");
}

QByteArray NoDisplayLine(int argc, char* argv[]) {
  if (NothingNamed(argc, argv)) {
    return TranslatedEarly(
               "StartUp",
               "glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset")
        .toUtf8();
  }
  const QByteArray chosen = ChosenPlatform(argc, argv);
  QString platform = chosen.isEmpty() ? TranslatedEarly("StartUp", "Qt's default")
                                      : QString::fromLocal8Bit(chosen);
  // A -display given on the command line is told as part of the platform's name.
  const QByteArray display = QtOption(argc, argv, "-display");
  if (!display.isEmpty())
    platform += QStringLiteral(", -display ") + QString::fromLocal8Bit(display);
  return TranslatedEarly("StartUp",
                         "glimmerix: cannot open a display to show the game on (platform %1, "
                         "DISPLAY %2, WAYLAND_DISPLAY %3)")
      .arg(platform, ValueOrUnset("DISPLAY"), ValueOrUnset("WAYLAND_DISPLAY"))
      .toUtf8();
}

QByteArray QtReasonLine(const QStringList& messages) {
  QStringList reasons;
  for (const QString& message : messages) {
    for (QString line : message.split(u'\n', Qt::SkipEmptyParts)) {
      line = line.trimmed();
      // Its advice to reinstall does not help a player whose display is missing.
      if (line.startsWith(QLatin1String("This application failed to start"))) continue;
      if (line.endsWith(u'.')) line.chop(1);
      reasons << line;
    }
  }
  return TranslatedEarly("StartUp", "glimmerix: Qt says: %1")
      .arg(reasons.join(QLatin1String("; ")))
      .toLocal8Bit();
}

std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[]) {
  noDisplayLine = NoDisplayLine(argc, argv);
  explainWithQt = !NothingNamed(argc, argv);
  const QtMessageHandler previous = qInstallMessageHandler(HoldBackWhileOpening);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& m : std::as_const(heldMessages)) {
    previous(m.type,
             QMessageLogContext(OrNull(m.file), m.line, OrNull(m.function), OrNull(m.category)),
             m.text);
  }
  heldMessages.clear();
  qtSaid.clear();
  return app;
}

}  // namespace glimmerix
