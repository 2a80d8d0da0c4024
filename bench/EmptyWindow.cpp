// The yardstick for start-up, memory and idle CPU: an otherwise empty Qt window with
// the game window's two timers, the 94 ms one counting a label down in tenths as the
// game clock does, the 60 ms one doing nothing.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel clock(QStringLiteral("90.0"));
  clock.setWindowTitle(QStringLiteral("Empty"));
  clock.resize(320, 393);
  double timeLeft = 90.0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, &clock, [&] {
    timeLeft -= 0.1;
    clock.setText(QString::number(timeLeft, 'f', 1));
  });
  tick.start(94);
  QTimer redraw;
  QObject::connect(&redraw, &QTimer::timeout, &clock, [] {});
  redraw.start(60);
  clock.show();
  return QApplication::exec();
}
