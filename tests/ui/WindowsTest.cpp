#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTime>
#include <cmath>
#include <functional>
#include <set>

#include "../core/GameFixture.h"
#include "EndInTest.h"
#include "Heard.h"
#include "ModalBox.h"
#include "OnScreen.h"
#include "Reference.h"
#include "ui/look/Colors.h"
#include "ui/toolkit/GameScreen.h"
#include "ui/toolkit/QtToolkit.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/frmOver.h"
#include "ui/windows/frmSplash.h"

namespace glimmerix::testing {
namespace {

struct MainWindowTest : GameTest {
  MainWindowTest() {
    Deal(FirstPairMove);
    window.setOuterTwips(4890, 6270);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  GameScreen screen{game};
  MainWindow& window = screen.window();
};

TEST_F(MainWindowTest, HasTheMenusAndTheDealtSize) {
  EXPECT_EQ(window.windowTitle(), "Glimmerix");
  EXPECT_EQ(window.centralWidget()->size(), QSize(320, 374));
  EXPECT_EQ(window.width(), 320) << "nothing right of the board is shown";
  constexpr Qt::WindowFlags minimiseAndClose =
      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  EXPECT_EQ(window.windowFlags() & (minimiseAndClose | Qt::WindowMaximizeButtonHint),
            minimiseAndClose);
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&Help");
  QStringList items;
  for (QAction* menu : menus) {
    for (QAction* item : menu->menu()->actions()) {
      items << (item->isSeparator() ? "-" : item->text() + " " + item->shortcut().toString());
    }
  }
  EXPECT_EQ(items, QStringList({"New Game Ctrl+N", "Pause Game Ctrl+P", "-", "Exit Ctrl+X",
                                "How to Play Ctrl+H", "About Ctrl+A"}));
}

TEST_F(MainWindowTest, ShortcutsAndEscapeRunTheirCommands) {
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
  ASSERT_EQ(QApplication::focusWidget(), window.board());
  QTest::keyClick(window.board(), Qt::Key_Escape);  // the board passes it on to the window
  QTest::keyClick(window.board(), Qt::Key_Q);
  std::vector<std::string> titles;
  for (const auto& box : toolkit.boxes) titles.push_back(box.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Glimmerix", "How to Play Glimmerix",
                                              "About Glimmerix", "Glimmerix"}));
  game.Score = 500;
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(game.Score, 0);
}

// A timer as the event loop runs it: its interval and kind, or "stopped".
std::string Running(QTimer& timer) {
  const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&timer);
  if (timers.isEmpty()) return "stopped";
  return std::to_string(timers[0].interval) +
         (timers[0].timerType == Qt::PreciseTimer ? " ms, precise" : " ms");
}

// Every deal draws the same gems. This first deal holds runs: the board settles
// after the window has first been painted.
struct SameDealToolkit : QtToolkit {
  [[nodiscard]] float Timer() const override { return DealSeed; }
  static constexpr float DealSeed = 7.0f;
};

// The real window system: boxes, the clock, the game's end and YES.
struct ToolkitTest : ::testing::Test {
  ToolkitTest() {
    toolkit.ShowMain();
    EXPECT_TRUE(QTest::qWaitForWindowActive(toolkit.mainWindow()));
  }
  // Once the repaints asked for so far are done, the screen shows the game as it is.
  [[nodiscard]] bool ScreenShowsTheGame() {
    QWidget& client = *toolkit.mainWindow()->centralWidget();
    return OnScreen(client) == client.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  SameDealToolkit toolkit;
};

TEST_F(ToolkitTest, WhenTheGameWaitsTheScreenShowsIt) {
  frmMain& game = toolkit.game();
  MainWindow* window = toolkit.mainWindow();
  BoardView* view = window->board();
  SeededRandom drawn;
  drawn.Randomize(SameDealToolkit::DealSeed);
  bool settled = false;
  for (const Cell& cell : game.Cells)
    settled |= cell.Kind != std::floor(GemKinds * drawn.Rnd()) + 1;
  ASSERT_TRUE(settled) << "the first deal must hold runs";
  EXPECT_TRUE(ScreenShowsTheGame()) << "after the first deal";

  SetBoard(game.Cells, FirstPairMove);
  QTest::mouseClick(view, Qt::LeftButton, {}, FrameRect(0).center());
  EXPECT_TRUE(ScreenShowsTheGame()) << "after a pick";
  QTest::mouseClick(view, Qt::LeftButton, {}, FrameRect(8).center());
  EXPECT_TRUE(ScreenShowsTheGame()) << "after an exchange and its cascade";
  for (Qt::Key arrow : {Qt::Key_Down, Qt::Key_Right}) {
    QTest::keyClick(view, arrow);
    EXPECT_TRUE(ScreenShowsTheGame()) << "after the cursor moved";
  }
  QTest::keyClick(view, Qt::Key_Space);
  QTest::mouseClick(view, Qt::LeftButton, {}, FrameRect(30).center());
  EXPECT_TRUE(ScreenShowsTheGame()) << "after a press from the keyboard and a click";
  const QRect bar = BarRect(game.linTime.X2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return BarRect(game.linTime.X2) != bar; }));
  EXPECT_TRUE(ScreenShowsTheGame()) << "after the ticks that shortened the bar";
  QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(ScreenShowsTheGame()) << "after New Game";
  AnswerModalBox([&] { QTest::keyClick(window, Qt::Key_Escape); });
  EXPECT_TRUE(ScreenShowsTheGame()) << "after the pause box";
}

// Minimising stops the clock and restoring starts it; no other state touches it.
TEST_F(ToolkitTest, OnlyMinimisingAndRestoringMoveTheClock) {
  MainWindow* window = toolkit.mainWindow();
  window->setWindowState(Qt::WindowMinimized);
  EXPECT_FALSE(toolkit.tmrTimeline().isActive());
  for (Qt::WindowState state : {Qt::WindowFullScreen, Qt::WindowMaximized}) {
    window->setWindowState(state);
    EXPECT_FALSE(toolkit.tmrTimeline().isActive()) << state;
  }
  window->setWindowState(Qt::WindowNoState);
  EXPECT_TRUE(toolkit.tmrTimeline().isActive());
  QTest::qWait(10);
  const int untilTick = toolkit.tmrTimeline().remainingTime();
  toolkit.SetTimelineEnabled(true);
  EXPECT_LE(toolkit.tmrTimeline().remainingTime(), untilTick) << "a running clock keeps its phase";
}

// Out of sight, on each platform's terms: on X11 an unexposed window is only covered;
// Wayland never says a window is minimised, but stops drawing it.
TEST(WindowStates, OutOfSightIsMinimisedOrOnWaylandUnexposed) {
  struct Seen {
    const char* platform;
    Qt::WindowStates states;
    bool exposed, outOfSight;
  };
  for (const Seen& seen : std::vector<Seen>{{"xcb", Qt::WindowNoState, false, false},
                                            {"xcb", Qt::WindowMaximized, false, false},
                                            {"xcb", Qt::WindowMinimized, false, true},
                                            {"offscreen", Qt::WindowNoState, false, false},
                                            {"wayland", Qt::WindowNoState, true, false},
                                            {"wayland", Qt::WindowNoState, false, true},
                                            {"wayland-egl", Qt::WindowFullScreen, false, true}}) {
    EXPECT_EQ(IsOutOfSight(seen.platform, seen.states, seen.exposed), seen.outOfSight)
        << seen.platform << " " << seen.states.toInt() << (seen.exposed ? " exposed" : "");
  }
}

// Each way out ends the program at once, with status 0.
TEST_F(ToolkitTest, ExitNoAndClosingAWindowEndTheProgram) {
  MainWindow* window = toolkit.mainWindow();
  EXPECT_PROGRAM_END(QTest::keyClick(window, Qt::Key_X, Qt::ControlModifier), 0);
  EXPECT_PROGRAM_END(window->close(), 0);
  toolkit.game().TimeLeft = 0.05;
  toolkit.game().tmrTimeline_Timer();
  ASSERT_TRUE(QTest::qWaitForWindowActive(toolkit.overWindow()));
  EXPECT_PROGRAM_END(QTest::mouseClick(toolkit.overWindow()->cmdNo, Qt::LeftButton), 0);
  EXPECT_PROGRAM_END(toolkit.overWindow()->close(), 0);
}

TEST_F(ToolkitTest, AMessageBoxHasItsTitleTextAndOneOkButton) {
  int buttons = 0;
  QMessageBox::Icon icon = QMessageBox::Warning;
  bool boardShown = false;
  toolkit.tmrFlicker().stop();  // no tick catches up behind the box,
  toolkit.tmrTimeline().stop();
  toolkit.mainWindow()->board()->clearFocus();  // nor the board's losing the keyboard to it
  QCoreApplication::processEvents();
  toolkit.game().lblscore.Caption = "10";  // changed by the event that opens the box
  const SeenBox box =
      AnswerModalBox([&] { toolkit.MsgBox("First.\r\n\r\nSecond.", "Title"); },
                     [&] {
                       boardShown = ScreenShowsTheGame();
                       auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                       buttons = static_cast<int>(modal->buttons().size());
                       icon = modal->icon();
                     });
  EXPECT_TRUE(box.seen);
  EXPECT_EQ(box.title, "Title");
  EXPECT_EQ(box.text, "First.\r\n\r\nSecond.");
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_TRUE(boardShown) << "the board behind the box is up to date";
}

// The clock ticks every 94 ms, precisely, and the bar is redrawn every 60 ms, box or not.
TEST_F(ToolkitTest, PauseHidesTheWindowAndStopsTheClockUntilOk) {
  MainWindow* window = toolkit.mainWindow();
  EXPECT_EQ(Running(toolkit.tmrTimeline()), "94 ms, precise");
  EXPECT_EQ(Running(toolkit.tmrFlicker()), "60 ms");
  const QPoint offCentre =
      window->geometry().center() - window->screen()->availableGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 4) << "it opened in the middle of the screen, frame aside";
  const QPoint moved = window->pos() + QPoint(31, -17);  // where the player put it
  window->move(moved);
  bool hidden = false;
  std::string clock, redraw;
  const SeenBox box =
      AnswerModalBox([&] { QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier); },
                     [&] {
                       hidden = !window->isVisible();
                       clock = Running(toolkit.tmrTimeline());
                       redraw = Running(toolkit.tmrFlicker());
                     });
  EXPECT_TRUE(box.seen);
  EXPECT_EQ(box.title, "Glimmerix");
  EXPECT_TRUE(hidden);
  EXPECT_EQ(clock, "stopped");
  EXPECT_EQ(redraw, "60 ms");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->pos(), moved) << "it comes back where the player moved it";
  EXPECT_EQ(Running(toolkit.tmrTimeline()), "94 ms, precise");
  EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "the keyboard comes back to the game";
}

TEST_F(ToolkitTest, TheGameOverWindowShowsTheScoreAndYesDealsAgain) {
  frmMain& game = toolkit.game();
  // YES by a click, by Return and by keypad Enter.
  const std::vector<std::function<void(QWidget*)>> pressYes{
      [](QWidget* yes) { QTest::mouseClick(yes, Qt::LeftButton); },
      [](QWidget* yes) { QTest::keyClick(yes, Qt::Key_Return); },
      [](QWidget* yes) { QTest::keyClick(yes, Qt::Key_Enter, Qt::KeypadModifier); }};
  // Whatever state the game window was left in, YES brings it back in the normal one,
  // and both windows come back where the player moved them.
  const std::vector<Qt::WindowState> leftIn{Qt::WindowMaximized, Qt::WindowFullScreen,
                                            Qt::WindowMinimized};
  MainWindow* window = toolkit.mainWindow();
  QPoint overAt;
  for (std::size_t round = 0; round < pressYes.size(); ++round) {
    const QPoint mainAt = window->pos() + QPoint(9, 5);
    window->move(mainAt);
    window->setWindowState(leftIn[round]);
    if (round > 0) toolkit.overWindow()->cmdNo->setFocus();  // where the last game left it
    game.Score = static_cast<std::int16_t>(1230 + round);
    game.TimeLeft = 0.05;
    game.tmrTimeline_Timer();
    frmOver* over = toolkit.overWindow();
    ASSERT_NE(over, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(over));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Running(toolkit.tmrTimeline()), "stopped");
    if (round > 0) {
      EXPECT_EQ(over->pos(), overAt) << "the game-over window where the player moved it";
    }
    overAt = over->pos() + QPoint(-7, 11);
    over->move(overAt);
    EXPECT_EQ(over->windowTitle(), "GAME OVER");
    ASSERT_EQ(QApplication::focusWidget(), over->cmdYes);
    if (round == 0) {
      EXPECT_TRUE(LooksLike(OnScreen(*over), "game-over"));
    }
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(over);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Description), QString("Score: %1.").arg(game.Score));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(over->cmdYes)
                  ->relations(QAccessible::Label)
                  .value(0)
                  .first->text(QAccessible::Name),
              " Would you like to play again?");
    if (round > 0) {  // the last keys on the board must not answer
      QTest::qWait(250);
      pressYes[round](over->cmdYes);
      QTest::keyClick(over->cmdNo, Qt::Key_Space);
      EXPECT_TRUE(over->isVisible()) << "a key in the first half second";
      QTest::qWait(300);
      QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
      QCoreApplication::sendEvent(over->cmdYes, &held);
      EXPECT_TRUE(over->isVisible()) << "a held key";
    }
    const Heard heard;
    pressYes[round](over->cmdYes);
    EXPECT_FALSE(over->isVisible()) << round;
    EXPECT_EQ(game.lblscore.Caption, "0");
    EXPECT_EQ(game.lblDisplayTime.Caption, "90.0") << "before the clock's first tick";
    EXPECT_EQ(window->windowState(), Qt::WindowNoState) << "left " << leftIn[round];
    EXPECT_EQ(window->pos(), mainAt);
    EXPECT_EQ(Running(toolkit.tmrTimeline()), "94 ms, precise");
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    QCoreApplication::processEvents();
    ASSERT_FALSE(heard.focused().empty()) << "the cursor's cell is named again";
    EXPECT_EQ(heard.focused().back().rfind("row 1, ", 0), 0u) << "A1, where a game starts";
    ASSERT_FALSE(heard.spoken().empty());
    EXPECT_EQ(heard.spoken()[0].rfind("New game: 90 seconds. A1 ", 0), 0u);
    EXPECT_TRUE(ScreenShowsTheGame()) << "after YES";
  }
}

// What the screen shows at each yield of a wave, as the player would see it: at every
// one, hidden cells and all, exactly what a fresh render of the game shows.
TEST_F(ToolkitTest, EveryYieldPaintsTheNextStepOfTheCascade) {
  frmMain& game = toolkit.game();
  BoardView* view = toolkit.mainWindow()->board();
  std::vector<QImage> painted;
  std::vector<std::size_t> stale;  // the yields at which the screen was not the game
  QTimer atEveryYield;             // a zero timer fires once in every pass of the event loop
  QObject::connect(&atEveryYield, &QTimer::timeout, [&] {
    painted.push_back(view->grab().toImage());
    if (!ScreenShowsTheGame()) stale.push_back(painted.size());
  });
  atEveryYield.start(0);
  QTest::keyClick(toolkit.mainWindow(), Qt::Key_N, Qt::ControlModifier);  // its runs settle
  EXPECT_GE(painted.size(), 9u);
  EXPECT_EQ(stale, std::vector<std::size_t>{})
      << "yields of the deal at which the screen was stale";
  SetBoard(game.Cells, FirstPairMove);
  QTest::mouseClick(view, Qt::LeftButton, {}, FrameRect(0).center());
  painted.clear();
  QTest::mouseClick(view, Qt::LeftButton, {}, FrameRect(8).center());
  atEveryYield.stop();
  EXPECT_EQ(stale, std::vector<std::size_t>{}) << "yields of the exchange at which it was stale";
  ASSERT_GE(painted.size(), 5u);
  const QPoint gemA0 = GemRect(0, 7).center();
  const QPoint gemA1 = GemRect(1, 7).center();
  EXPECT_NE(painted[0].pixelColor(gemA0), Grey) << "the exchanged gems first";
  EXPECT_EQ(painted[1].pixelColor(gemA0), Grey) << "then the run gone";
  EXPECT_EQ(painted[1].pixelColor(gemA1), Grey);
  EXPECT_NE(view->grab().toImage().pixelColor(gemA0), Grey) << "and at last the refill";
}

// Each deal draws afresh from the time of day, fractions of a second included: two deals
// within one second get different boards.
TEST(Deals, TwoWithinOneSecondDiffer) {
  QtToolkit toolkit;
  toolkit.ShowMain();
  ASSERT_NEAR(toolkit.Timer(), QTime::currentTime().msecsSinceStartOfDay() / 1000.0, 0.5);
  std::array<std::string, 2> boards;
  float from = 0, to = 1;
  for (int tries = 0; tries < 5 && std::floor(from) != std::floor(to); ++tries) {
    from = toolkit.Timer();
    for (std::string& board : boards) {
      QTest::qWait(20);
      toolkit.game().mnuNewGame_Click();
      board = Flat(toolkit.game().Cells);
    }
    to = toolkit.Timer();
  }
  ASSERT_EQ(std::floor(from), std::floor(to)) << "no two deals within one second";
  EXPECT_NE(boards[0], boards[1]);
}

TEST(Splash, ReturnAndKeypadEnterPressPlay) {
  for (const auto& [key, modifier] :
       {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
    QtToolkit toolkit;
    frmSplash* splash = toolkit.ShowWelcome();
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash));
    ASSERT_EQ(QApplication::focusWidget(), splash->cmdPlay);
    QTest::keyClick(QApplication::focusWidget(), key, modifier);
    EXPECT_FALSE(splash->isVisible()) << key;
    ASSERT_NE(toolkit.mainWindow(), nullptr);
    EXPECT_TRUE(toolkit.mainWindow()->isVisible());
  }
}

// The two sets of gems take turns: the first tick only confirms the starting picture.
TEST(Splash, BlinksTwoSetsAndOpensTheGameOnPlay) {
  QtToolkit toolkit;
  frmSplash* splash = toolkit.ShowWelcome();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
  EXPECT_EQ(splash->windowTitle(),
            "Welcome to Glimmerix!" + QString(48, ' ') + "by the Glimmerix developers");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(splash)->text(QAccessible::Name),
            "Welcome to Glimmerix! by the Glimmerix developers");
  EXPECT_EQ(splash->Timer1.interval(), 100);
  EXPECT_TRUE(splash->Timer1.isActive());
  splash->Timer1.stop();
  const Heard heard;
  for (const char* shows :
       {"welcome-first-set", "welcome-first-set", "welcome-second-set", "welcome-first-set"}) {
    EXPECT_TRUE(LooksLike(OnScreen(*splash), shows));
    splash->Timer1_Timer();
  }
  EXPECT_TRUE(heard.events.empty()) << "the blinking tells assistive technology nothing";

  EXPECT_PROGRAM_END(splash->close(), 0);
  QTest::mouseClick(splash->cmdPlay, Qt::LeftButton);
  EXPECT_FALSE(splash->isVisible());
  ASSERT_NE(toolkit.mainWindow(), nullptr);
  EXPECT_TRUE(toolkit.mainWindow()->isVisible());
  EXPECT_EQ(toolkit.game().lblscore.Caption, "0");
}

}  // namespace
}  // namespace glimmerix::testing
