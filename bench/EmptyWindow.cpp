// The yardstick for start-up, memory and idle CPU: an empty Qt window with the same
// two timers the game window runs, doing nothing when they tick.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Empty"));
  window.resize(320, 393);
  QTimer clock;
  QObject::connect(&clock, &QTimer::timeout, &window, [] {});
  clock.start(94);
  QTimer redraw;
  QObject::connect(&redraw, &QTimer::timeout, &window, [] {});
  redraw.start(60);
  window.show();
  return QApplication::exec();
}
