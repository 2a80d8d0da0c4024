// Every shipped language, window by window: no text left in English, every label's
// text inside its designed rectangle, every heading letter in the heading face; and
// under C and en_US exactly the designed English.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>

#include "../core/GameFixture.h"
#include "Heard.h"
#include "ModalBox.h"
#include "game/Translatable.h"
#include "ui/app/Translations.h"
#include "ui/look/Fonts.h"
#include "ui/toolkit/GameScreen.h"
#include "ui/toolkit/QtToolkit.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/Geometry.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/StatusRow.h"
#include "ui/windows/frmOver.h"
#include "ui/windows/frmSplash.h"

namespace glimmerix::testing {
namespace {

// What a label or button shows, and whether it fits.
struct Shown {
  QString text;
  bool fits = true;
};

// Every letter is in the label's own face (the compiled-in heading face, not a face of
// the same name the system may have), and the ink, placed as the label places the text,
// lies inside the label.
Shown OfLabel(const QLabel& label) {
  const QRawFont face = QRawFont::fromFont(label.font());
  const auto letters = label.text().toUcs4();
  const bool inFace = std::all_of(letters.begin(), letters.end(), [&](char32_t letter) {
    return letter == ' ' || face.supportsCharacter(letter);
  });
  const QFontMetrics metrics(label.font());
  const int advance = metrics.horizontalAdvance(label.text());
  const int left = label.alignment() & Qt::AlignHCenter ? (label.width() - advance) / 2 : 0;
  const QRect ink = metrics.tightBoundingRect(label.text()).translated(left, metrics.ascent());
  return {label.text(), inFace && label.rect().contains(ink)};
}

Shown OfButton(const QPushButton& button) {
  constexpr int Margins = 8;  // the button's frame on each side
  const int width = QFontMetrics(button.font()).horizontalAdvance(button.text());
  return {button.text(), width + 2 * Margins <= button.width()};
}

// The status row is painted, not made of widgets: its titles in their designed rectangles.
Shown OfStatus(const char* source, QRect rect) {
  const QString text = QCoreApplication::translate(CoreTextContext, source);
  const QRect needed = QFontMetrics(SansFont(15, true))
                           .boundingRect(QRect(QPoint(), rect.size()),
                                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
  return {text, needed.width() <= rect.width() && needed.height() <= rect.height()};
}

// Everything the player reads in one language, in a fixed order.
struct Texts {
  FakeToolkit toolkit;
  ScriptedRandom random;
  frmMain game{toolkit, random};
  std::vector<Shown> all;

  void add(const QString& text) { all.push_back({text}); }
  void add(const Shown& shown) { all.push_back(shown); }
  void addWindow(QWidget& window) {
    add(window.windowTitle());
    for (const QLabel* label : window.findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) add(OfLabel(*label));
      if (!label->accessibleName().isEmpty()) add(label->accessibleName());
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) add(OfButton(*button));
  }

  void read() {
    QtToolkit qt;
    frmSplash splash;
    addWindow(splash);
    frmOver over;
    addWindow(over);
    readGameWindow();
    readBoxes(qt);
    add(QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText));  // Qt's own
  }

  void readGameWindow() {
    SetBoard(game.Cells, Stuck);
    game.Picked = {0, NoCell, NoCell};
    game.SavedPick = NoCell;
    game.lblscore.Caption = "0";
    game.lblDisplayTime.Caption = "Game Over";
    GameScreen screen(game);
    MainWindow& window = screen.window();
    toolkit.onEveryYield = [&] { screen.events().waiting(); };
    window.show();
    for (QAction* menu : window.menuBar()->actions()) {
      // A menu bar grown to a second row would push the board down.
      add({menu->text(),
           window.menuBar()->actionGeometry(menu).top() ==
               window.menuBar()->actionGeometry(window.menuBar()->actions()[0]).top()});
      for (QAction* item : menu->menu()->actions()) {
        if (!item->isSeparator()) add(item->text());
      }
    }
    for (auto [source, label] :
         {std::pair{"SCORE:", StatusRow::ScoreTitle}, std::pair{"TIME:", StatusRow::TimeTitle},
          std::pair{"Game Over", StatusRow::TimeValue}}) {
      add(OfStatus(source, label.rect));
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{window.board(), window.status()}) {
      QAccessibleInterface* part = QAccessible::queryAccessibleInterface(widget);
      for (auto text : {QAccessible::Name, QAccessible::Description}) {
        if (!part->text(text).isEmpty()) add(part->text(text));
      }
      if (part->role() == QAccessible::StatusBar) {
        for (int j = 0; j < part->childCount(); ++j) add(part->child(j)->text(QAccessible::Name));
      }
    }
    readSpoken(screen);
  }

  // What the game says to a screen reader: ten seconds left, a pick, a distant click, a
  // pick taken back, an exchange without a run, a scoring one, a new game, a pause.
  void readSpoken(GameScreen& screen) {
    MainWindow& window = screen.window();
    const Heard heard;
    game.TimeLeft = 10.1;  // first: the warning would wait for words said before it
    screen.events().run([&] { game.tmrTimeline_Timer(); });
    const auto click = [&](QPoint at) {
      QTest::mouseClick(window.board(), Qt::LeftButton, {}, at);
    };
    for (std::int16_t cell : {9, 27}) click(FrameRect(cell).center());
    click(GemRect(9, 4).center());
    for (std::int16_t cell : {9, 10}) click(FrameRect(cell).center());
    SetBoard(game.Cells, {"12341234", "33123412", "12341234", "34123412", "12341234", "34123412",
                          "12341234", "34123412"});
    game.ScoringOn = true;
    random.kinds = {5, 6, 7};
    for (std::int16_t cell : {18, 17}) click(FrameRect(cell).center());
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window.board());
    add(board->child(17)->text(QAccessible::Name));
    window.mnuNewGame->trigger();
    window.mnuPauseGame->trigger();
    for (const std::string& said : heard.spoken()) add(QString::fromStdString(said));
  }

  // The boxes the rules open: the pause box as the window system shows it, the others'
  // texts as it translates them (the test program answers a No More Moves box itself).
  void readBoxes(QtToolkit& qt) {
    game.mnuPauseGame_Click();
    game.mnuHow_Click();
    game.mnuAbout_Click();
    game.CheckForMoves();  // the stuck board
    const FakeToolkit::Box& pause = toolkit.boxes.at(0);
    QString ok;
    const SeenBox seen =
        AnswerModalBox([&] { qt.MsgBox(pause.prompt, pause.title); },
                       [&] {
                         ok = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
                                  ->button(QMessageBox::Ok)
                                  ->text();
                       });
    for (const QString& text : {seen.title, seen.text, ok}) add(text);
    for (const FakeToolkit::Box& box : toolkit.boxes) {
      add(CoreText(box.title));
      add(CoreText(box.prompt));
    }
  }
};

std::vector<Shown> Read(const QLocale& locale) {
  InstallTranslations(locale);
  Texts texts;
  texts.read();
  return texts.all;
}

// A name or a number reads the same in every language.
bool SameEverywhere(const QString& text, const QString& language) {
  static const QRegularExpression number(QStringLiteral("^[0-9. ]*$"));
  static const QStringList names{"Glimmerix", "GLIMMERIX", "OK"};
  if (number.match(text).hasMatch() || names.contains(text)) return true;
  return text == "No" && (language == "es" || language == "it");
}

TEST(Languages, EveryTextTranslatedAndInsideItsRectangle) {
  const std::vector<Shown> designed = Read(QLocale::c());
  ASSERT_GE(designed.size(), 40u);
  for (const char* language : {"de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru", "C", "en_US"}) {
    const std::vector<Shown> shown = Read(QLocale(language));
    const bool english = QLocale(language).language() == QLocale::C ||
                         QLocale(language).language() == QLocale::English;
    ASSERT_EQ(shown.size(), designed.size()) << language;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const QString& text = shown[i].text;
      if (english) {
        EXPECT_EQ(text, designed[i].text) << language;
      } else {
        EXPECT_TRUE(text != designed[i].text || SameEverywhere(text, language))
            << language << ": still English: " << qPrintable(text);
      }
      EXPECT_FALSE(text.isEmpty()) << language << ": text " << i << " is empty";
      // The design is English; only its clock's "Game Over" overflows, behind the hidden window.
      EXPECT_TRUE(shown[i].fits || english)
          << language << ": does not fit, or lacks letters: " << qPrintable(text);
    }
  }
  InstallTranslations(QLocale::c());
}

}  // namespace
}  // namespace glimmerix::testing
