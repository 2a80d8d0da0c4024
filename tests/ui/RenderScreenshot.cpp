// Renders the game window from a fixed board, headlessly, for the README and the
// software centres: render_screenshot packaging/screenshot.png
#include <QApplication>
#include <QImage>
#include <cstdio>

#include "../core/BoardPicture.h"
#include "../core/FakeToolkit.h"
#include "ui/windows/MainWindow.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_screenshot OUTPUT.png\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace glimmerix;
  testing::FakeToolkit toolkit;
  SeededRandom random;
  frmMain game(toolkit, random);
  testing::SetBoard(game.Cells, {"15273641", "42615374", "37154216", "64321753", "25763142",
                                 "71436525", "53217461", "16542317"});
  game.Picked = {0, 27, NoCell};
  game.Cells[27].Frame = FrameLook::Picked;
  game.Score = 1230;
  game.lblscore.Caption = "1230";
  game.lblDisplayTime.Caption = "47.3";
  game.linTime.X2 = 3620;

  MainWindow window(game);
  window.setOuterTwips(DealtWidth, DealtHeight);
  window.show();
  const QImage shot = window.grab().toImage();
  if (shot.width() != 320 || !shot.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "render_screenshot: could not render %s\n", argv[1]);
    return 1;
  }
  return 0;
}
