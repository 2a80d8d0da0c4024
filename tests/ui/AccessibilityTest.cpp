#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "../core/GameFixture.h"
#include "ui/BoardAccessible.h"
#include "ui/BoardView.h"
#include "ui/MainWindow.h"

namespace glimmerix::testing {
namespace {

struct AccessibilityTest : GameTest {
  AccessibilityTest() {
    SetBoard(game.Cells, Stuck);
    game.lblscore.Caption = "120";
    game.lblDisplayTime.Caption = "45.6";
    game.Picked = {0, NoCell, NoCell};
    game.SavedPick = NoCell;
    window.show();
  }
  QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(window.board()); }
  MainWindow window{game};
};

TEST_F(AccessibilityTest, EveryCellTellsItsPlaceGemAndPick) {
  QAccessibleInterface* board = Board();
  ASSERT_NE(board, nullptr);
  ASSERT_EQ(board->childCount(), 66);
  EXPECT_EQ(board->child(0)->text(QAccessible::Name), "Column A, row 1: yellow gem");
  EXPECT_EQ(board->child(63)->text(QAccessible::Name), "Column H, row 8: white gem");
  Click(9);
  game.Cells[10].Visible = false;
  EXPECT_EQ(board->child(9)->text(QAccessible::Name), "Column B, row 2: purple gem, picked");
  EXPECT_TRUE(board->child(9)->state().selected);
  EXPECT_FALSE(board->child(8)->state().selected);
  EXPECT_EQ(board->child(10)->text(QAccessible::Name), "Column B, row 3: empty");
  EXPECT_EQ(board->child(64)->text(QAccessible::Name), "Score 120");
  EXPECT_EQ(board->child(65)->text(QAccessible::Name), "Time 45.6");
  EXPECT_EQ(board->indexOfChild(board->child(37)), 37);
}

// The events themselves are heard on the real accessibility bus (tests/e2e).
TEST_F(AccessibilityTest, ACellsPressActionDoesWhatSpaceDoes) {
  QAccessibleInterface* cell = Board()->child(9);
  ASSERT_NE(cell->actionInterface(), nullptr);
  EXPECT_EQ(Board()->child(ScoreItem)->actionInterface(), nullptr);
  const QString press = QAccessibleActionInterface::pressAction();
  EXPECT_EQ(cell->actionInterface()->actionNames(), QStringList{press});
  cell->actionInterface()->doAction(press);
  EXPECT_EQ(game.Picked[1], NoCell) << "pressed from the event loop, not inside the call";
  QCoreApplication::processEvents();
  EXPECT_TRUE(cell->state().selected);
  cell->actionInterface()->doAction(press);
  QCoreApplication::processEvents();
  EXPECT_FALSE(cell->state().selected) << "the second press takes the pick back";
  window.hide();  // as while a box is open
  cell->actionInterface()->doAction(press);
  QCoreApplication::processEvents();
  EXPECT_EQ(game.Picked[1], NoCell) << "no press reaches a hidden board";
}

TEST_F(AccessibilityTest, TheKeyboardCursorIsTheFocus) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_TRUE(window.board()->hasFocus());
  EXPECT_EQ(Board()->focusChild(), nullptr) << "no cursor before the first arrow";
  QTest::keyClick(window.board(), Qt::Key_Right);
  QTest::keyClick(window.board(), Qt::Key_Right);
  EXPECT_EQ(Board()->focusChild(), Board()->child(16));
  EXPECT_TRUE(Board()->child(16)->state().focused);
  EXPECT_FALSE(Board()->child(8)->state().focused);
  EXPECT_EQ(Board()->child(16)->text(QAccessible::Name), "Column C, row 1: red gem");
}

TEST_F(AccessibilityTest, ACellIsFoundWhereItIsDrawn) {
  QAccessibleInterface* board = Board();
  const QPoint centre = window.board()->mapToGlobal(FrameRect(42).center());
  EXPECT_EQ(board->childAt(centre.x(), centre.y()), board->child(42));
  EXPECT_EQ(board->child(42)->rect().center(), centre);
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
