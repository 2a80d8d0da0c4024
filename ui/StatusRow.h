#pragma once

#include <QWidget>

namespace glimmerix {

class BoardView;

// The status row under the board as assistive technology meets it: a status bar that
// holds the score, the time and the bonus bar, each where it is drawn. The board paints
// the row; this lies over it unseen, takes no click and follows the board.
class StatusRow : public QWidget {
  Q_OBJECT

 public:
  StatusRow(BoardView& board, QWidget* parent);

  [[nodiscard]] const BoardView& board() const { return board_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void followBoard();
  // The score tells when it changes; the clock and the bar do not, or every tick would
  // drown the rest. Both are read on demand.
  void scoreShown();

  BoardView& board_;
};

}  // namespace glimmerix
