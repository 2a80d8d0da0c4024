#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <tuple>

#include "../core/GameFixture.h"
#include "Heard.h"
#include "ModalBox.h"
#include "ui/access/Announcer.h"
#include "ui/access/BoardAccessible.h"
#include "ui/app/Translations.h"
#include "ui/toolkit/GameScreen.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/StatusRow.h"

namespace glimmerix::testing {
namespace {

struct AccessibilityTest : GameTest {
  AccessibilityTest() {
    SetBoard(game.Cells, Stuck);
    game.lblscore.Caption = "120";
    game.lblDisplayTime.Caption = "45.6";
    game.TimeLeft = 45.6;
    game.linTime.X2 = 2370;
    game.Picked = {0, NoCell, NoCell};
    game.SavedPick = NoCell;
    toolkit.onEveryYield = [this] { screen.events().waiting(); };  // as the real yields
    window.show();
    window.showChanges();
  }
  // Runs a handler of the game as one event from the event loop.
  void Play(const std::function<void()>& handler) { screen.events().run(handler); }
  QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(window.board()); }
  QAccessibleInterface* Status() { return QAccessible::queryAccessibleInterface(window.status()); }
  void Focus() {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(window.board()->hasFocus());
    QCoreApplication::processEvents();
  }
  void Keys(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) QTest::keyClick(window.board(), key);
  }
  void ClickAt(std::int16_t cell) {
    QTest::mouseClick(window.board(), Qt::LeftButton, {}, FrameRect(cell).center());
  }
  GameScreen screen{game};
  MainWindow& window = screen.window();
};

TEST_F(AccessibilityTest, TheBoardIsATableOfCellsRowByRow) {
  QAccessibleInterface* board = Board();
  ASSERT_EQ(board->childCount(), 64);
  QAccessibleTableInterface* table = board->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 8);
  EXPECT_EQ(table->columnCount(), 8);
  for (int index = 0; index < 64; ++index) {
    QAccessibleInterface* cell = board->child(index);
    ASSERT_EQ(cell->tableCellInterface()->rowIndex(), index / 8) << index;
    ASSERT_EQ(cell->tableCellInterface()->columnIndex(), index % 8) << index;
    ASSERT_EQ(table->cellAt(index / 8, index % 8), cell) << index;
    ASSERT_EQ(board->indexOfChild(cell), index);
    ASSERT_EQ(cell->parent(), board);
  }
  EXPECT_EQ(table->cellAt(0, 8), nullptr);
  // A row read aloud names the row once, then the gems: every kind, as a row shows them.
  SetBoard(game.Cells, {"12345677", "34123412", "12341234", "34123412", "12341234", "34123412",
                        "12341234", "34123412"});
  window.showChanges();
  QStringList row;
  for (int index = 0; index < 8; ++index) row << board->child(index)->text(QAccessible::Name);
  EXPECT_EQ(row, QStringList({"row 1, yellow", "white", "red", "purple", "light blue", "green",
                              "orange", "orange"}));
  QList<QAccessibleInterface*> header = board->child(62)->tableCellInterface()->rowHeaderCells();
  ASSERT_EQ(header.size(), 1);
  EXPECT_EQ(header[0]->text(QAccessible::Name), "row 8");
  EXPECT_EQ(header[0]->role(), QAccessible::RowHeader);
  const Heard heard;
  Click(9);
  game.Cells[10].Visible = false;
  window.showChanges();
  EXPECT_EQ(heard.events, (std::vector<Heard::Event>{
                              {QAccessible::NameChanged, QAccessible::Cell, "purple, picked"},
                              {QAccessible::SelectionAdd, QAccessible::Cell, "purple, picked"},
                              {QAccessible::NameChanged, QAccessible::Cell, "empty"}}));
  EXPECT_TRUE(board->child(9)->state().selected);
  EXPECT_EQ(table->selectedCells(), QList{board->child(9)});
  EXPECT_FALSE(board->child(1)->state().selected);
  EXPECT_EQ(board->child(17)->text(QAccessible::Name), "empty");
  game.Cells[9].Visible = false;
  EXPECT_EQ(board->child(9)->text(QAccessible::Name), "empty") << "picked or not";
  EXPECT_EQ(board->text(QAccessible::Description),
            "Arrow keys move the cursor, Space or Return presses the cell under it, Esc pauses.");
}

// Where the player is, the screen reader is: the cursor's cell has the focus, seen or
// not, and it follows the mouse. Its name tells the column after a move along the row;
// the first cell of a row tells the row, unless the cursor came to it along the row.
TEST_F(AccessibilityTest, TheCursorsCellIsTheFocusAndSaysWhatTheMoveChanged) {
  const Heard heard;
  Focus();
  EXPECT_EQ(Board()->focusChild(), Board()->child(0));
  EXPECT_TRUE(Board()->child(0)->state().focused);
  ASSERT_EQ(heard.focused(), Heard::Names{"row 1, yellow"});
  EXPECT_EQ(heard.events.back().role, QAccessible::Cell) << "after the board's own focus";
  Keys({Qt::Key_Right});
  EXPECT_EQ(window.board()->cursor().cell(), 0) << "the first arrow only shows the ring";
  EXPECT_TRUE(window.board()->cursor().shown());
  Keys({Qt::Key_Right});
  const std::size_t before = heard.events.size();
  Keys({Qt::Key_Down, Qt::Key_Left});
  EXPECT_EQ(
      std::vector(heard.events.begin() + before, heard.events.end()),
      (std::vector<Heard::Event>{{QAccessible::NameChanged, QAccessible::Cell, "white"},
                                 {QAccessible::NameChanged, QAccessible::Cell, "purple"},
                                 {QAccessible::NameChanged, QAccessible::Cell, "row 1, yellow"},
                                 {QAccessible::NameChanged, QAccessible::Cell, "row 2, red"},
                                 {QAccessible::Focus, QAccessible::Cell, "purple"},
                                 {QAccessible::NameChanged, QAccessible::Cell, "purple"},
                                 {QAccessible::NameChanged, QAccessible::Cell, "A red"},
                                 {QAccessible::Focus, QAccessible::Cell, "A red"}}))
      << "names change before the focus";
  ClickAt(42);
  EXPECT_EQ(Board()->child(8)->text(QAccessible::Name), "row 2, red") << "the row it left";
  EXPECT_FALSE(window.board()->cursor().shown());
  EXPECT_EQ(Board()->focusChild(), Board()->child(TableIndexOf(42)));
  Keys({Qt::Key_Space, Qt::Key_Down});
  EXPECT_EQ(game.Picked[1], 42) << "Space showed the ring, the click had picked";
  ClickAt(43);  // the cursor's own cell
  EXPECT_EQ(heard.focused(),
            Heard::Names({"row 1, yellow", "B white", "purple", "A red", "white", "purple"}));
  window.menuBar()->setFocus();
  EXPECT_EQ(Board()->focusChild(), nullptr) << "the menu bar has the keys";
  EXPECT_FALSE(Board()->child(TableIndexOf(43))->state().focused);
  ClickAt(43);
  EXPECT_EQ(Board()->focusChild(), Board()->child(TableIndexOf(43))) << "a click takes them back";
}

TEST_F(AccessibilityTest, ACellsPressActionDoesWhatSpaceDoes) {
  QAccessibleInterface* cell = Board()->child(TableIndexOf(9));
  ASSERT_NE(cell->actionInterface(), nullptr);
  const QString press = QAccessibleActionInterface::pressAction();
  EXPECT_EQ(cell->actionInterface()->actionNames(), QStringList{press});
  cell->actionInterface()->doAction(press);
  EXPECT_EQ(game.Picked[1], NoCell) << "pressed from the event loop, not inside the call";
  QCoreApplication::processEvents();
  EXPECT_TRUE(cell->state().selected);
  cell->actionInterface()->doAction(press);
  QCoreApplication::processEvents();
  EXPECT_FALSE(cell->state().selected) << "the second press takes the pick back";
  // Out of a click's reach, a press does nothing either.
  const auto pressed = [&] {
    cell->actionInterface()->doAction(press);
    QCoreApplication::processEvents();
    return game.Picked[1] != NoCell;
  };
  AnswerModalBox([] { QMessageBox(QMessageBox::NoIcon, "", "").exec(); },
                 [&] { EXPECT_FALSE(pressed()) << "behind an open box"; });
  window.showMinimized();
  EXPECT_FALSE(pressed()) << "minimised";
  window.showNormal();
  window.hide();
  EXPECT_FALSE(pressed()) << "hidden";
  window.show();
  EXPECT_TRUE(pressed()) << "on screen again";
}

// One utterance an action, once the game is idle, whatever its cascade did on the way.
TEST_F(AccessibilityTest, EveryActionIsAnsweredInWords) {
  struct Case {
    const char* what;
    std::function<void(AccessibilityTest&)> act;
    Heard::Names spoken;
  };
  const auto exchange = [](float bar, std::array<int, 3> refill = {3, 2, 1}) {
    return [bar, refill](AccessibilityTest& t) {
      // C1 with D1 lines up three in row 1. Unless the new gems leave a move, the new
      // board's run is cleared for nothing.
      Picture board = Stuck;
      board[0] = "11411234";
      t.Deal(board);
      board[0] = "11141234";
      t.random.kinds = KindsOf(board);
      for (int kind : refill) t.random.kinds.push_front(kind);
      t.game.linTime.X2 = bar;
      t.ClickAt(16);
      t.ClickAt(24);
    };
  };
  const std::vector<Case> cases{
      {"a pick", [](auto& t) { t.ClickAt(9); }, {"Picked B2 purple"}},
      {"a distant second click",
       [](auto& t) { t.ClickAt(9), t.ClickAt(27); },
       {"Picked B2 purple", "Not beside the pick: B2 stays picked"}},
      {"a pick taken back",
       [](auto& t) {
         t.ClickAt(9);
         for (QPoint at : {FrameRect(9).topLeft(), GemRect(9, 4).center()})  // rim, then gem
           QTest::mouseClick(t.window.board(), Qt::LeftButton, {}, at);
       },
       {"Picked B2 purple", "Pick dropped"}},
      {"an exchange without a run",
       [](auto& t) { t.ClickAt(9), t.ClickAt(10); },
       {"Picked B2 purple", "No run: the gems stay, pick dropped"}},
      {"a scoring exchange",
       exchange(2370),
       {"Picked C1 purple",
        "Exchanged: 3 gems cleared in row 1, 30 points. Score 30. New board. "
        "90 seconds left. D1 purple"}},
      {"a scoring exchange whose new gems leave a move",
       exchange(2370, {1, 4, 4}),
       {"Picked C1 purple", "Exchanged: 3 gems cleared in row 1, 30 points. Score 30. D1 purple"}},
      {"a scoring exchange that pays the bonus",
       exchange(4700),
       {"Picked C1 purple",
        "Exchanged: 3 gems cleared in row 1, 330 points with a bonus of 300. Score 330. New "
        "board. 90 seconds left. D1 purple"}},
      {"New Game over a pick",
       [](auto& t) { t.Play([&] { t.Click(9); }), t.window.mnuNewGame->trigger(); },
       {"Picked B2 purple", "New game: 90 seconds. D1 yellow"}},
      {"YES",
       [](auto& t) { t.Play([&] { t.game.cmdYes_Click(); }); },
       {"New game: 90 seconds. D1 yellow"}},
      {"a board without moves, dealt again",
       [](auto& t) {
         t.random.kinds = KindsOf(FirstPairMove);
         t.Play([&] { t.game.CheckForMoves(); });
       },
       {"New board. 46 seconds left. D1 purple"}},
      {"Esc, the pause box",
       [](auto& t) { QTest::keyClick(t.window.board(), Qt::Key_Escape); },
       {"46 seconds left. D1 purple"}},
      {"the pause box a second before the end",
       [](auto& t) {
         t.game.TimeLeft = 1.2;
         t.window.mnuPauseGame->trigger();
       },
       {"1 second left. D1 purple"}},
      {"a restore from minimised",
       [](auto& t) {
         t.window.showMinimized();
         t.window.showNormal();
       },
       {"D1 purple"}},
  };
  // The redraw tick runs nested at every yield, as the event loop runs it.
  toolkit.onEveryYield = [this] { Play([this] { game.tmrFlicker_Timer(); }); };
  for (const Case& c : cases) {
    SetBoard(game.Cells, Stuck);
    game.TimeLeft = 45.6;
    for (Cell& cell : game.Cells) cell.Frame = FrameLook::Plain;
    game.Picked = {0, NoCell, NoCell};
    const Heard heard;
    c.act(*this);
    ASSERT_EQ(heard.spoken(), c.spoken) << c.what;
    EXPECT_EQ(heard.events.back().role, QAccessible::Notification) << c.what << ": said last";
  }
}

// The warning as the clock shows 10.0, once a game. While the last words are still being
// heard it waits for them, or joins the next result that comes first.
TEST_F(AccessibilityTest, TenSecondsLeftNeverCutsOffAResult) {
  const Heard heard;
  const auto tick = [&](double left) {
    game.TimeLeft = left;
    Play([&] { game.tmrTimeline_Timer(); });
  };
  const auto warn = [&] {
    tick(90.0);
    tick(10.12);
  };
  warn();
  EXPECT_EQ(heard.spoken(), Heard::Names{"10 seconds left"}) << "said at once";
  ClickAt(9);
  warn();
  ClickAt(27);  // not beside the pick
  QTest::mouseClick(window.board(), Qt::LeftButton, {}, GemRect(9, 4).center());
  QElapsedTimer waited;
  waited.start();
  warn();
  EXPECT_EQ(heard.spoken().size(), 4u) << "it waits";
  ASSERT_TRUE(QTest::qWaitFor([&] { return heard.spoken().size() == 5; }, 5000));
  EXPECT_GE(waited.elapsed(), 700) << "for the words before it";
  EXPECT_EQ(heard.spoken(), Heard::Names({"10 seconds left", "Picked B2 purple",
                                          "Not beside the pick: B2 stays picked. 10 seconds left",
                                          "Pick dropped", "10 seconds left"}));
}

TEST_F(AccessibilityTest, TheStatusBarHoldsScoreTimeAndBar) {
  QAccessibleInterface* status = Status();
  ASSERT_NE(status, nullptr);
  ASSERT_EQ(status->childCount(), 3);
  QStringList names;
  QRect seen;
  for (int i = 0; i < 3; ++i) {
    const QRect rect = status->child(i)->rect();
    names << status->child(i)->text(QAccessible::Name);
    EXPECT_FALSE(rect.intersects(seen)) << i << ": each has its own rectangle";
    EXPECT_TRUE(status->rect().contains(rect)) << i;
    seen |= rect;
  }
  EXPECT_EQ(names, QStringList({"Score 120", "Time 45.6", "Bonus bar"}));
  InstallTranslations(QLocale(QLocale::German));
  game.lblDisplayTime.Caption = "03.3";
  EXPECT_EQ(status->child(1)->text(QAccessible::Name), "Zeit 3,3") << "as German writes it";
  InstallTranslations(QLocale::c());
  QAccessibleInterface* bar = status->child(2);
  EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
  EXPECT_EQ(bar->valueInterface()->currentValue(), 2370);
  EXPECT_EQ(bar->valueInterface()->maximumValue(), 4740);
  EXPECT_EQ(status->rect(), QRect(window.board()->mapToGlobal(QPoint(0, BoardBottom)),
                                  window.board()->mapToGlobal(QPoint(319, 373))))
      << "right under the board";
  // A screen reader's pointer finds each part where it is drawn.
  for (auto [x, y, item] : std::vector<std::tuple<int, int, int>>{
           {20, 355, 0}, {120, 355, 0}, {230, 355, 1}, {300, 355, 1}, {1, 336, 2}, {315, 336, 2}}) {
    const QPoint at = window.board()->mapToGlobal(QPoint(x, y));
    EXPECT_EQ(status->childAt(at.x(), at.y()), status->child(item)) << x << "," << y;
  }
  EXPECT_EQ(status->child(0)->valueInterface(), nullptr);
  EXPECT_EQ(window.status()->findChildren<Announcer*>().size(), 1) << "results said in the bar";
  game.linTime.X2 = -40;  // run off the left edge
  EXPECT_EQ(bar->valueInterface()->currentValue(), 0);
  const Heard heard;
  game.TimeLeft = 45.6;
  for (int tick = 0; tick < 3; ++tick) Play([&] { game.tmrTimeline_Timer(); });
  EXPECT_TRUE(heard.events.empty()) << "the clock ticks in silence";
  game.lblscore.Caption = "130";
  window.showChanges();
  EXPECT_EQ(heard.events, (std::vector<Heard::Event>{
                              {QAccessible::NameChanged, QAccessible::StaticText, "Score 130"}}));
}

TEST_F(AccessibilityTest, ACellIsFoundWhereItIsDrawn) {
  QAccessibleInterface* board = Board();
  const QPoint centre = window.board()->mapToGlobal(FrameRect(42).center());
  EXPECT_EQ(board->childAt(centre.x(), centre.y()), board->child(TableIndexOf(42)));
  EXPECT_EQ(board->child(TableIndexOf(42))->rect().center(), centre);
}

TEST_F(AccessibilityTest, MenuItemsCarryTheirNames) {
  QStringList names;
  for (QAction* menu : window.menuBar()->actions()) {
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu->menu());
    for (int i = 0; i < items->childCount(); ++i) names << items->child(i)->text(QAccessible::Name);
  }
  EXPECT_TRUE(names.contains("New Game"));
  EXPECT_TRUE(names.contains("About"));
}

}  // namespace
}  // namespace glimmerix::testing
