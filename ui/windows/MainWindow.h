#pragma once

#include <QMainWindow>

#include "game/frmMain.h"

class QAction;

namespace glimmerix {

class BoardView;
class StatusRow;

// The game window: the menu bar over the board and the status row. It lays out and
// tells what the player does; the game decides everything.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(const frmMain& game, QWidget* parent = nullptr);

  // The outer size in twips, as the deal sets it: the client area is what remains
  // once the designed frame and menu bar are taken off.
  void setOuterTwips(int width, int height);
  [[nodiscard]] BoardView* board() const { return board_; }
  [[nodiscard]] StatusRow* status() const { return status_; }
  // Repaints whatever differs from the game as it is now.
  void showChanges();
  // Minimised, or on native Wayland out of the player's sight (IsOutOfSight).
  [[nodiscard]] bool isOutOfSight() const;

  QAction* mnuNewGame;
  QAction* mnuPauseGame;
  QAction* mnuExit;
  QAction* mnuHow;
  QAction* mnuAbout;

 signals:
  void keyDown(std::int16_t KeyCode, std::int16_t Shift);  // Form_KeyDown
  void resized();                                          // Form_Resize
  void closing();                                          // Form_Unload

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* client_;
  BoardView* board_;
  StatusRow* status_;
  bool watchingExposure_ = false;
  bool wasExposed_ = false;
};

// On the platform's terms: a minimised window, or on native Wayland an unexposed one.
// Wayland never reports a minimised window, but the compositor stops drawing it and Qt
// then marks it unexposed. Elsewhere an unexposed window is only covered, and the
// clock runs on.
[[nodiscard]] bool IsOutOfSight(const QString& platform, Qt::WindowStates states, bool exposed);

}  // namespace glimmerix
