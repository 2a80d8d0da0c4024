#pragma once

#include <QColor>
#include <QWidget>
#include <string>

#include "game/frmMain.h"

namespace glimmerix {

// The row under the board: the score, the clock and the bonus bar, painted as the game
// holds them. Like the board, it repaints only what differs from what it last showed,
// whenever the game hands control back to the event loop (showChanges).
class StatusRow : public QWidget {
  Q_OBJECT

 public:
  explicit StatusRow(const frmMain& game, QWidget* parent = nullptr);

  // The row's four labels, where they are designed in the game window's client area.
  struct Label {
    QRect rect;
    bool opaque;
    QColor textColor;
  };
  static const Label ScoreTitle, ScoreValue, TimeTitle, TimeValue;

  enum class Part { Score, Clock, Bar };
  // Where a part is drawn, in the row's own pixels: its caption and value, or the whole
  // length the bar can reach before the bonus.
  [[nodiscard]] static QRect PartRect(Part part);

  [[nodiscard]] const frmMain& game() const { return game_; }
  void showChanges();

 signals:
  void scoreShown();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // False when the caption is the one shown.
  bool showCaption(std::string& shown, const std::string& caption, const QRect& label);

  const frmMain& game_;
  // What the row last showed, or is about to show at the next repaint.
  std::string shownScore_;
  std::string shownClock_;
  QRect shownBar_;
};

}  // namespace glimmerix
