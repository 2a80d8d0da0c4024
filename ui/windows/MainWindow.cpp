#include "ui/windows/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QWindow>
#include <utility>

#include "ui/look/Colors.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/Geometry.h"
#include "ui/windows/StatusRow.h"

namespace glimmerix {

namespace {
// What the designed outer size spends on borders, caption and menu bar.
constexpr int FrameTwipsWide = 90;
constexpr int FrameTwipsHigh = 660;

bool IsWayland(const QString& platform) {
  return platform.startsWith(QLatin1String("wayland"));
}
}  // namespace

MainWindow::MainWindow(const frmMain& game, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      client_(new QWidget(this)),
      board_(new BoardView(game, client_)),
      status_(new StatusRow(game, client_)) {
  setWindowTitle(QStringLiteral("Glimmerix"));
  status_->move(StatusArea.topLeft());  // right under the board
  client_->setFixedSize(GameClientSize);
  setCentralWidget(client_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, Grey);
  setPalette(grey);

  QMenu* file = menuBar()->addMenu(tr("&File"));
  mnuNewGame = file->addAction(tr("New Game"), Qt::CTRL | Qt::Key_N);
  mnuPauseGame = file->addAction(tr("Pause Game"), Qt::CTRL | Qt::Key_P);
  file->addSeparator();
  mnuExit = file->addAction(tr("Exit"), Qt::CTRL | Qt::Key_X);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  mnuHow = help->addAction(tr("How to Play"), Qt::CTRL | Qt::Key_H);
  mnuAbout = help->addAction(tr("About"), Qt::CTRL | Qt::Key_A);
}

void MainWindow::setOuterTwips(int width, int height) {
  client_->setFixedSize(TwipsToPixels(width - FrameTwipsWide),
                        TwipsToPixels(height - FrameTwipsHigh));
}

void MainWindow::showChanges() {
  board_->showChanges();
  status_->showChanges();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key() == Qt::Key_Escape ? KeyEscape : event->key();
  const auto keyCode = static_cast<std::int16_t>(key < 0x100 ? key : 0);
  emit keyDown(keyCode, static_cast<std::int16_t>(event->modifiers() >> 25));
}

bool MainWindow::isOutOfSight() const {
  const QWindow* shown = windowHandle();
  return IsOutOfSight(QGuiApplication::platformName(), windowState(), !shown || shown->isExposed());
}

bool IsOutOfSight(const QString& platform, Qt::WindowStates states, bool exposed) {
  return states.testFlag(Qt::WindowMinimized) || (IsWayland(platform) && !exposed);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) emit resized();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (IsWayland(QGuiApplication::platformName()) && !std::exchange(watchingExposure_, true)) {
    windowHandle()->installEventFilter(this);
  }
}

// On Wayland, coming into sight and going out of it count as restoring and minimising.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle()) {
    const bool exposed = windowHandle()->isExposed();
    if (std::exchange(wasExposed_, exposed) != exposed) emit resized();
  }
  return QMainWindow::eventFilter(watched, event);
}

// Closing the game window ends the program; the game never cancels it.
void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closing();
}

}  // namespace glimmerix
