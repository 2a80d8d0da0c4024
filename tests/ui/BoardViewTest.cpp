#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "../core/GameFixture.h"
#include "OnScreen.h"
#include "Reference.h"
#include "ui/look/Colors.h"
#include "ui/toolkit/GameScreen.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/MainWindow.h"

namespace glimmerix::testing {
namespace {

struct BoardViewTest : GameTest {
  BoardViewTest() {
    SetBoard(game.Cells, Stuck);
    game.linTime.X2 = 4485;
    game.lblscore.Caption = "0";
    game.lblDisplayTime.Caption = "90.0";
    game.Picked = {0, NoCell, NoCell};
    game.SavedPick = NoCell;
    window.showChanges();  // as every event of the game ends
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    view.setFocus();
  }
  // The board once the view has caught up with the game.
  QImage Render() {
    window.showChanges();
    return OnScreen(view);
  }
  void ClickAt(QPoint point) { QTest::mouseClick(&view, Qt::LeftButton, {}, point); }
  void Keys(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers = {}) {
    for (Qt::Key key : keys) QTest::keyClick(&view, key, modifiers);
  }
  // One mouse event exactly as the window system delivers it.
  void Send(QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton, held, {});
    QApplication::sendEvent(&view, &event);
  }

  GameScreen screen{game};
  MainWindow& window = screen.window();
  BoardView& view = *window.board();
};

// Every gem kind in every column, a pick, a gap, the largest score, the clock and a bar
// shortened by play, as the game window's client area shows them.
TEST_F(BoardViewTest, LooksAsDesigned) {
  SetBoard(game.Cells, {"15273641", "42615374", "37154216", "64321753", "25763142", "71436525",
                        "53217461", "16542317"});
  game.Picked[1] = 27;
  game.Cells[27].Frame = FrameLook::Picked;
  game.Cells[45].Visible = false;
  game.lblscore.Caption = "32767";
  game.lblDisplayTime.Caption = "47.3";
  game.linTime.X2 = 3620;
  window.showChanges();
  EXPECT_EQ(window.centralWidget()->size(), QSize(320, 374));
  EXPECT_TRUE(LooksLike(OnScreen(*window.centralWidget()), "game-window"));
}

// Cells are 40 pixels square between the white lines. A click in the middle of one
// reaches its frame, in front of its gem, and picks it: the red frame shows from 3
// pixels inside the lines (from the window's edge in column A and row 1), 34 pixels
// wide (in column H up to the window's edge) and 35 high. A second click there reaches
// the picked gem, now in front of its frame, and lets it go.
TEST_F(BoardViewTest, EveryCellIsPickedWhereItIsDrawn) {
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    const int left = 40 * ColumnOf(cell), top = 40 * RowOf(cell);
    const QPoint middle(left + 20, top + 20);
    const QImage before = Render();
    ClickAt(middle);
    ASSERT_EQ(game.Picked[1], cell) << "a click at " << middle.x() << "," << middle.y();
    const QPoint frameTopLeft(left ? left + 3 : 0, top ? top + 3 : 0);
    const QPoint frameEnd(left < 280 ? frameTopLeft.x() + 33 : 319, frameTopLeft.y() + 34);
    EXPECT_EQ(Changed(before, Render()), QRect(frameTopLeft, frameEnd)) << "cell " << cell;
    ClickAt(middle);
    ASSERT_EQ(game.Picked[1], NoCell) << "a second click in cell " << cell;
  }
}

// Column H's frames reach past the window's right edge: its last pixel column too.
TEST_F(BoardViewTest, ColumnHReachesTheRightEdge) {
  const QPoint edge(319, FrameRect(60).center().y());
  ClickAt(edge);
  EXPECT_EQ(game.Picked[1], 60);
  EXPECT_EQ(Render().pixelColor(edge), PickedRed);
}

// A double click is a click, then a double click the game ignores.
TEST_F(BoardViewTest, ADoubleClickPicksACellOnce) {
  const QPoint centre = FrameRect(9).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    Send(type, centre);
  }
  EXPECT_EQ(game.Picked[1], 9);
  EXPECT_EQ(game.Cells[9].Frame, FrameLook::Picked);
}

TEST_F(BoardViewTest, APickedGemTakesTheClickAndItsRedRimDoesNothing) {
  ClickAt(FrameRect(9).center());
  ClickAt(FrameRect(9).topLeft());  // red rim, outside the gem
  EXPECT_EQ(game.Picked[1], 9);
  ClickAt(GemRect(9, game.Cells[9].Kind).center());
  EXPECT_EQ(game.Picked[1], NoCell);
  EXPECT_EQ(game.Cells[9].Frame, FrameLook::Plain);
}

TEST_F(BoardViewTest, AStripOfGemOutsideItsFrameIsAGemClick) {
  const std::int16_t cell = 9;  // column B: its gem reaches past its frame's right edge
  game.Cells[cell].Kind = 1;    // 34 pixels wide
  const QRect gem = GemRect(cell, 1);
  const QPoint strip(gem.right(), gem.center().y());
  ASSERT_FALSE(FrameRect(cell).contains(strip));
  EXPECT_EQ(HitTest(game.Cells, strip), (BoardHit{BoardHit::Target::Gem, cell}));
  ClickAt(strip);
  EXPECT_EQ(game.Picked[1], NoCell) << "a gem click without a pick does nothing";
}

TEST_F(BoardViewTest, AHiddenGemTakesNoClickButItsFrameStillDoes) {
  const std::int16_t cell = 9;
  game.Cells[cell].Kind = 1;
  game.Cells[cell].Visible = false;
  const QRect gem = GemRect(cell, 1);
  EXPECT_EQ(HitTest(game.Cells, QPoint(gem.right(), gem.center().y())).target,
            BoardHit::Target::None);
  ClickAt(FrameRect(cell).center());
  EXPECT_EQ(game.Picked[1], cell);
}

TEST_F(BoardViewTest, APressAndAReleaseOnDifferentCellsIsNoClick) {
  QTest::mousePress(&view, Qt::LeftButton, {}, FrameRect(9).center());
  QTest::mouseRelease(&view, Qt::LeftButton, {}, FrameRect(10).center());
  EXPECT_EQ(game.Picked[1], NoCell);
}

// The first arrow shows the cursor where the last click left it; the next ones move
// it a cell, never past an edge and never round to the next column.
TEST_F(BoardViewTest, TheArrowsMoveTheCursorOneCellAndStopAtTheEdges) {
  EXPECT_EQ(view.cursor().cell(), 0);
  EXPECT_FALSE(view.cursor().shown());
  struct Move {
    std::int16_t from;
    Qt::Key key;
    std::int16_t to;
  };
  for (const Move& m : std::vector<Move>{{0, Qt::Key_Left, 0},
                                         {0, Qt::Key_Up, 0},
                                         {7, Qt::Key_Down, 7},
                                         {7, Qt::Key_Left, 7},
                                         {8, Qt::Key_Up, 8},
                                         {15, Qt::Key_Down, 15},
                                         {56, Qt::Key_Up, 56},
                                         {56, Qt::Key_Right, 56},
                                         {63, Qt::Key_Right, 63},
                                         {63, Qt::Key_Down, 63},
                                         {9, Qt::Key_Up, 8},
                                         {9, Qt::Key_Down, 10},
                                         {9, Qt::Key_Left, 1},
                                         {9, Qt::Key_Right, 17}}) {
    ClickAt(FrameRect(m.from).center());
    ClickAt(FrameRect(m.from).center());  // picked and let go again
    EXPECT_EQ(view.cursor().cell(), m.from);
    EXPECT_FALSE(view.cursor().shown()) << "a click hides the cursor";
    Keys({m.key});
    EXPECT_EQ(view.cursor().cell(), m.from) << "the first arrow only shows it";
    EXPECT_TRUE(view.cursor().shown());
    Keys({m.key});
    EXPECT_EQ(view.cursor().cell(), m.to) << m.from << " " << m.key;
  }
  for (auto menus : {Qt::ControlModifier, Qt::AltModifier})
    Keys({Qt::Key_Left, Qt::Key_Space}, menus);
  ClickAt(QPoint(40, 100));  // a grid line
  EXPECT_EQ(view.cursor().cell(), 17) << "Ctrl and Alt keys belong to the menus; no cell, no move";
  EXPECT_EQ(game.Picked[1], NoCell) << "moving picks nothing";
}

TEST_F(BoardViewTest, SpaceReturnAndEnterPressTheCursorsCellLikeAClickInItsMiddle) {
  Keys({Qt::Key_Space});
  EXPECT_TRUE(view.cursor().shown());
  EXPECT_EQ(game.Picked[1], NoCell) << "the first press only shows the cursor";
  Keys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Space});
  EXPECT_EQ(game.Picked[1], 9);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
  QCoreApplication::sendEvent(&view, &held);
  EXPECT_EQ(game.Picked[1], 9) << "a held key presses once";
  Keys({Qt::Key_Space});
  EXPECT_EQ(game.Picked[1], NoCell) << "the second press reaches the picked gem";
  Keys({Qt::Key_Return});
  EXPECT_EQ(game.Picked[1], 9);
  Keys({Qt::Key_Enter}, Qt::KeypadModifier);
  EXPECT_EQ(game.Picked[1], NoCell);
  Keys({Qt::Key_Space, Qt::Key_Right, Qt::Key_Space});
  EXPECT_EQ(game.Picked[1], NoCell) << "an exchange without a run is undone";
  EXPECT_EQ(RedFrames(), 0);
}

TEST_F(BoardViewTest, AnExchangeMadeFromTheKeyboardScores) {
  Deal(FirstPairMove);  // the only move: A0 with B0, where the cursor starts
  Keys({Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Enter});
  EXPECT_GE(game.Score, 30);
  EXPECT_EQ(game.Picked[1], NoCell);
}

// The ring covers the two inner pixels of the white lines round its cell, or the cell's
// own outermost two along the window's edge: nothing inside the cell, no pixel beyond.
TEST_F(BoardViewTest, TheCursorIsABlackRingUntilTheNextClick) {
  for (const auto& [cell, ring] : {std::pair{9, QRect(QPoint(41, 41), QPoint(79, 79))},
                                   std::pair{63, QRect(QPoint(281, 281), QPoint(319, 319))}}) {
    const QImage before = Render();
    ClickAt(FrameRect(cell).center());  // picked, and the cursor follows unseen
    const QImage picked = Render();
    Keys({Qt::Key_Space});
    const QImage shown = Render();
    EXPECT_EQ(Changed(picked, shown), ring) << cell;
    const QRect inside = ring.adjusted(2, 2, -2, -2);
    EXPECT_EQ(picked.copy(inside), shown.copy(inside)) << cell << ": the pick shows inside";
    for (int y = ring.top(); y <= ring.bottom(); ++y) {
      for (int x = ring.left(); x <= ring.right(); ++x) {
        if (!inside.contains(x, y)) {
          ASSERT_EQ(shown.pixelColor(x, y), QColor(Qt::black)) << x << "," << y;
        }
      }
    }
    view.clearFocus();
    EXPECT_EQ(Render(), picked) << cell << ": no ring without the keys";
    view.setFocus();
    EXPECT_EQ(Render(), shown) << cell;
    ClickAt(FrameRect(cell).center());
    EXPECT_EQ(Render(), before) << cell << ": the click took the pick back and hid the ring";
  }
}

}  // namespace
}  // namespace glimmerix::testing
