#pragma once

#include <QMainWindow>

#include "game/frmMain.h"

class QAction;

namespace glimmerix {

class BoardView;

// The game window: the menu bar over the board. It lays out and forwards; the game
// decides everything.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(frmMain& game, QWidget* parent = nullptr);

  // The outer size in twips, as the deal sets it: the client area is what remains
  // once the designed frame and menu bar are taken off.
  void setOuterTwips(int width, int height);
  [[nodiscard]] BoardView* board() const { return board_; }
  // Minimised, or on native Wayland out of the player's sight (IsOutOfSight).
  [[nodiscard]] bool isOutOfSight() const;

  QAction* mnuNewGame = nullptr;
  QAction* mnuPauseGame = nullptr;
  QAction* mnuExit = nullptr;
  QAction* mnuHow = nullptr;
  QAction* mnuAbout = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* addCommand(QMenu* menu, const QString& caption, QKeyCombination shortcut,
                      void (frmMain::*command)());

  frmMain& game_;
  BoardView* board_;
  bool watchingExposure_ = false;
  bool wasExposed_ = false;
};

// On the platform's terms: a minimised window, or on native Wayland an unexposed one.
// Wayland never reports a minimised window, but the compositor stops drawing it and Qt
// then marks it unexposed. Elsewhere an unexposed window is only covered, and the
// clock runs on.
[[nodiscard]] bool IsOutOfSight(const QString& platform, Qt::WindowStates states, bool exposed);

}  // namespace glimmerix
