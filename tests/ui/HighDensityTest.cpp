// Run with QT_SCALE_FACTOR set (2 and 1.5): the windows scale as a whole and the
// pixel gems stay crisp.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QTest>

#include "../core/GameFixture.h"
#include "ui/look/Colors.h"
#include "ui/look/Pictures.h"
#include "ui/toolkit/GameScreen.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/frmSplash.h"

namespace glimmerix::testing {
namespace {

double Scale() {
  return qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
}

QSet<QRgb> Colours(const QImage& image, QRect area) {
  QSet<QRgb> colours;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      colours.insert(image.pixel(x, y) | 0xFF000000);
  return colours;
}

QRect Scaled(QRect logical) {
  const double s = Scale();
  return QRect(
      QPoint(qCeil(logical.left() * s), qCeil(logical.top() * s)),
      QPoint(qFloor((logical.right() + 1) * s) - 1, qFloor((logical.bottom() + 1) * s) - 1));
}

struct HighDensityTest : GameTest {
  HighDensityTest() {
    SetBoard(game.Cells, Stuck);
    game.Picked = {0, NoCell, NoCell};
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    view.setFocus();
  }
  GameScreen screen{game};
  MainWindow& window = screen.window();
  BoardView& view = *window.board();
};

TEST_F(HighDensityTest, TheBoardScalesAsAWhole) {
  ASSERT_GT(Scale(), 1.0) << "run with QT_SCALE_FACTOR";
  const QImage image = window.centralWidget()->grab().toImage();
  EXPECT_EQ(image.size(), QSize(qRound(320 * Scale()), qRound(374 * Scale())));
  EXPECT_EQ(window.centralWidget()->size(), QSize(320, 374)) << "sizes stay logical";
}

TEST_F(HighDensityTest, GemsKeepTheirOwnColoursWithNoBlur) {
  for (std::int16_t kind = 1; kind <= GemKinds; ++kind) {
    const auto cell = static_cast<std::int16_t>(kind - 1);
    game.Cells[cell].Kind = kind;
  }
  const QImage fresh = view.grab().toImage();
  for (std::int16_t cell = 0; cell < 7; ++cell) {
    const std::int16_t kind = game.Cells[cell].Kind;
    QSet<QRgb> allowed = Colours(GemPicture(kind).toImage(), QRect({0, 0}, GemSize(kind)));
    allowed << Grey.rgb() << QColor(Qt::white).rgb();
    QSet<QRgb> drawn = Colours(fresh, Scaled(GemRect(cell, kind)));
    EXPECT_TRUE(drawn.subtract(allowed).isEmpty()) << "kind " << kind << " has blended pixels";
  }
}

TEST_F(HighDensityTest, GridLinesRunWithoutSeams) {
  const QImage image = view.grab().toImage();
  const int y = qRound(160 * Scale());  // the middle of the line under row 3
  for (int x = 0; x < image.width(); ++x) {
    ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << "x " << x;
  }
}

TEST_F(HighDensityTest, AClickLandsOnTheSameCellAsAtOneToOne) {
  for (std::int16_t cell : {0, 9, 36, 63}) {
    game.Picked[1] = NoCell;
    game.Cells[cell].Frame = FrameLook::Plain;
    QTest::mouseClick(&view, Qt::LeftButton, {}, FrameRect(cell).center());
    EXPECT_EQ(game.Picked[1], cell);
    game.Cells[cell].Frame = FrameLook::Plain;
  }
}

TEST_F(HighDensityTest, TheCursorMeetsTheGridLineWithNoBlend) {
  QTest::keyClick(&view, Qt::Key_Right);
  QTest::keyClick(&view, Qt::Key_Right);
  QTest::keyClick(&view, Qt::Key_Down);
  const QRect ring = CursorRect(9);
  // Two rows of the white grid line over the ring's two black rows.
  const QRect band(ring.left() + 2, ring.top() - 2, ring.width() - 4, 4);
  const QSet<QRgb> drawn = Colours(view.grab().toImage(), Scaled(band));
  EXPECT_EQ(drawn, (QSet<QRgb>{QColor(Qt::black).rgb(), QColor(Qt::white).rgb()}));
}

TEST(HighDensityWindows, TheWelcomeWindowScalesAsAWhole) {
  frmSplash splash;
  splash.show();
  EXPECT_EQ(splash.size(), QSize(467, 153));
  EXPECT_EQ(splash.grab().toImage().size(), QSize(qRound(467 * Scale()), qRound(153 * Scale())));
}

}  // namespace
}  // namespace glimmerix::testing
