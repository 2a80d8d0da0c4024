#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QWindow>
#include <functional>
#include <utility>

#include "ui/BoardView.h"
#include "ui/Colors.h"
#include "ui/Geometry.h"
#include "ui/StatusRow.h"

namespace glimmerix {

namespace {
// What the designed outer size spends on borders, caption and menu bar.
constexpr int FrameTwipsWide = 90;
constexpr int FrameTwipsHigh = 660;

bool IsWayland(const QString& platform) {
  return platform.startsWith(QLatin1String("wayland"));
}
}  // namespace

MainWindow::MainWindow(frmMain& game, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game_(game),
      board_(new BoardView(game, this)) {
  setWindowTitle(QStringLiteral("Glimmerix"));
  setCentralWidget(board_);
  new StatusRow(*board_, this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, Grey);
  setPalette(grey);

  QMenu* file = menuBar()->addMenu(tr("&File"));
  mnuNewGame = addCommand(file, tr("New Game"), Qt::CTRL | Qt::Key_N, &frmMain::mnuNewGame_Click);
  mnuPauseGame =
      addCommand(file, tr("Pause Game"), Qt::CTRL | Qt::Key_P, &frmMain::mnuPauseGame_Click);
  connect(mnuNewGame, &QAction::triggered, this,
          [this] { board_->narrator().say(tr("New game: %1 seconds").arg(GameSeconds)); });
  file->addSeparator();
  mnuExit = addCommand(file, tr("Exit"), Qt::CTRL | Qt::Key_X, &frmMain::mnuExit_Click);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  mnuHow = addCommand(help, tr("How to Play"), Qt::CTRL | Qt::Key_H, &frmMain::mnuHow_Click);
  mnuAbout = addCommand(help, tr("About"), Qt::CTRL | Qt::Key_A, &frmMain::mnuAbout_Click);
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& caption, QKeyCombination shortcut,
                                void (frmMain::*command)()) {
  QAction* action = menu->addAction(caption);
  action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [this, command](bool) {
    const BoardView::Entry entry(*board_);
    std::invoke(command, game_);
  });
  return action;
}

void MainWindow::setOuterTwips(int width, int height) {
  board_->setFixedSize(TwipsToPixels(width - FrameTwipsWide),
                       TwipsToPixels(height - FrameTwipsHigh));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key() == Qt::Key_Escape ? KeyEscape : event->key();
  const auto keyCode = static_cast<std::int16_t>(key < 0x100 ? key : 0);
  const BoardView::Entry entry(*board_);
  game_.Form_KeyDown(keyCode, static_cast<std::int16_t>(event->modifiers() >> 25));
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
  if (event->type() != QEvent::WindowStateChange) return;
  const BoardView::Entry entry(*board_);
  game_.Form_Resize();
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
    if (std::exchange(wasExposed_, exposed) != exposed) {
      const BoardView::Entry entry(*board_);
      game_.Form_Resize();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// Closing the game window ends the program; the game never cancels it.
void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  game_.Form_Unload();
}

}  // namespace glimmerix
