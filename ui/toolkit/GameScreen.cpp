#include "ui/toolkit/GameScreen.h"

#include <QAction>

#include "ui/access/Accessibility.h"
#include "ui/access/Announcer.h"
#include "ui/windows/BoardView.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/StatusRow.h"

namespace glimmerix {

GameScreen::GameScreen(frmMain& game)
    : game_(game),
      window_(std::make_unique<MainWindow>(game)),
      // Inside the status bar, a screen reader speaks the announcements without a title.
      narrator_(game, *window_, *new Announcer(window_->status())) {
  QObject::connect(&events_, &GameEvents::catchUp, window_.get(), &MainWindow::showChanges);
  QObject::connect(&events_, &GameEvents::began, [this] { narrator_.eventBegan(); });
  QObject::connect(&events_, &GameEvents::ended, [this] { narrator_.eventEnded(); });
  connectWindow();
  ReportChanges(*window_);
}

GameScreen::~GameScreen() = default;

void GameScreen::connectWindow() {
  QObject::connect(window_->board(), &BoardView::frameClicked, [this](std::int16_t cell) {
    events_.run([&] { game_.lblColumn_Click(ColumnOf(cell), RowOf(cell)); });
  });
  QObject::connect(window_->board(), &BoardView::gemClicked,
                   [this](std::int16_t cell) { events_.run([&] { game_.imgrock_Click(cell); }); });
  MainWindow* window = window_.get();
  for (auto [action, command] : {std::pair{window->mnuNewGame, &frmMain::mnuNewGame_Click},
                                 {window->mnuPauseGame, &frmMain::mnuPauseGame_Click},
                                 {window->mnuExit, &frmMain::mnuExit_Click},
                                 {window->mnuHow, &frmMain::mnuHow_Click},
                                 {window->mnuAbout, &frmMain::mnuAbout_Click}}) {
    QObject::connect(action, &QAction::triggered,
                     [this, command] { events_.run([&] { (game_.*command)(); }); });
  }
  QObject::connect(window, &MainWindow::keyDown, [this](std::int16_t key, std::int16_t shift) {
    events_.run([&] { game_.Form_KeyDown(key, shift); });
  });
  QObject::connect(window, &MainWindow::resized,
                   [this] { events_.run([&] { game_.Form_Resize(); }); });
  QObject::connect(window, &MainWindow::closing, [this] { game_.Form_Unload(); });
}

}  // namespace glimmerix
