#include "ui/app/StartUp.h"

#include <QCommandLineParser>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "ui/app/EndProgram.h"
#include "ui/app/Translations.h"

namespace glimmerix {

namespace {

// The command line as the start reads it: the game's own --help and --version, and the
// two of Qt's options that say where to show the game, -platform NAME and -display NAME
// (with one dash or two, as Qt takes them). Everything else on the line is Qt's.
struct CommandLine {
  bool help = false;
  bool version = false;
  QString platform;  // -platform, else QT_QPA_PLATFORM; empty when Qt is left to choose
  QString display;
};

// One of Qt's options with a value; the help leaves it to Qt's manual.
QCommandLineOption QtOption(const char* name) {
  QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("name"));
  option.setFlags(QCommandLineOption::HiddenFromHelp);
  return option;
}

CommandLine Read(int argc, char* argv[], QCommandLineParser& parser) {
  // Single-dash words are Qt's own options (-platform, -reverse, -stylesheet), not
  // bundles of single-letter ones.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                TranslatedEarly("StartUp", "Displays this help."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   TranslatedEarly("StartUp", "Displays version information."));
  const QCommandLineOption platform = QtOption("platform");
  const QCommandLineOption display = QtOption("display");
  parser.addOptions({help, version, platform, display});
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  (void)parser.parse(arguments);  // Qt's other options are unknown here: left to Qt
  const QString named = parser.value(platform);
  return {parser.isSet(help), parser.isSet(version),
          named.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : named, parser.value(display)};
}

CommandLine Read(int argc, char* argv[]) {
  QCommandLineParser parser;
  return Read(argc, argv, parser);
}

QString ValueOrUnset(const char* variable) {
  const QString value = qEnvironmentVariable(variable);
  return value.isEmpty() ? TranslatedEarly("StartUp", "unset") : value;
}

// Neither the player nor the desktop named any display or platform.
bool NothingNamed(const CommandLine& line) {
  return line.platform.isEmpty() && line.display.isEmpty() &&
         qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Qt's messages while the display opens: held back until it is open, so that the lines
// of a start that fails stand alone.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QByteArray noDisplayLine;
bool explainWithQt = false;
QList<HeldMessage> heldMessages;
QStringList platformSaid;

// What Qt reports of a platform that fails: its platform plugins' words, and criticals.
bool IsAboutThePlatform(QtMsgType type, const QMessageLogContext& context) {
  return type == QtCriticalMsg || QByteArrayView(context.category).startsWith("qt.qpa");
}

// Qt ends a start without a usable platform with a fatal message and an abort; the
// game ends it with its own line, Qt's reason, and status 1 instead.
void HoldBackWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", noDisplayLine.constData());
    if (explainWithQt) std::fprintf(stderr, "%s\n", QtReasonLine(platformSaid, text).constData());
    EndProgram(EXIT_FAILURE);
  }
  if (IsAboutThePlatform(type, context)) platformSaid << text;
  heldMessages.append({type, context.category, text});
}

}  // namespace

QString HelpOrVersion(int argc, char* argv[]) {
  QCommandLineParser parser;
  parser.setApplicationDescription(TranslatedEarly(
      "StartUp",
      "A timed gem-swapping game. It has no options of its own; the options every Qt\n"
      "program takes, such as -platform NAME, work as usual. See glimmerix(6)."));
  const CommandLine line = Read(argc, argv, parser);
  if (line.version) {
    return QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() +
           u'\n';
  }
  if (!line.help) return {};
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
  if (!Read(argc, argv).platform.isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY")) return;
  // Should the X server fail on a Wayland desktop, Wayland is the next best place to play.
  const bool wayland =
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
  qputenv("QT_QPA_PLATFORM", wayland ? "xcb;wayland" : "xcb");
}

QByteArray NoDisplayLine(int argc, char* argv[]) {
  const CommandLine line = Read(argc, argv);
  if (NothingNamed(line)) {
    return TranslatedEarly(
               "StartUp",
               "glimmerix: no display to show the game on: DISPLAY and WAYLAND_DISPLAY are unset")
        .toUtf8();
  }
  QString platform = line.platform;
  if (platform.isEmpty()) platform = TranslatedEarly("StartUp", "Qt's default");
  // A -display given on the command line is told as part of the platform's name.
  if (!line.display.isEmpty()) platform += QStringLiteral(", -display ") + line.display;
  return TranslatedEarly("StartUp",
                         "glimmerix: cannot open a display to show the game on (platform %1, "
                         "DISPLAY %2, WAYLAND_DISPLAY %3)")
      .arg(platform, ValueOrUnset("DISPLAY"), ValueOrUnset("WAYLAND_DISPLAY"))
      .toUtf8();
}

// Qt's last word is a fatal message whose first paragraph is its general advice to
// reinstall, which does not help a player whose display is missing; what follows it
// names the platforms there are.
QByteArray QtReasonLine(const QStringList& platformSaid, const QString& lastWord) {
  QStringList reasons;
  const QStringList paragraphs = lastWord.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
  for (QString reason : platformSaid + paragraphs.mid(1)) {
    reason = reason.simplified();
    if (reason.endsWith(u'.')) reason.chop(1);
    reasons << reason;
  }
  return TranslatedEarly("StartUp", "glimmerix: Qt says: %1")
      .arg(reasons.join(QLatin1String("; ")))
      .toLocal8Bit();
}

std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[]) {
  noDisplayLine = NoDisplayLine(argc, argv);
  explainWithQt = !NothingNamed(Read(argc, argv));
  const QtMessageHandler previous = qInstallMessageHandler(HoldBackWhileOpening);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& m : std::as_const(heldMessages)) {
    const char* category = m.category.isNull() ? nullptr : m.category.constData();
    previous(m.type, QMessageLogContext(nullptr, 0, nullptr, category), m.text);
  }
  heldMessages.clear();
  platformSaid.clear();
  return app;
}

}  // namespace glimmerix
