#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "game/frmMain.h"
#include "ui/BoardCursor.h"
#include "ui/Geometry.h"
#include "ui/Narrator.h"

namespace glimmerix {

// The board and the status row of the game window. It paints whatever the game
// state holds at that moment and turns clicks, and the keys of keyboard play, into
// the game's click events.
//
// The game writes its state without a word to the view. Whenever the game hands
// control back to the event loop (each of its events returns, it yields, or a box
// waits for the player), showChanges compares the game with what the view last
// showed and repaints what differs, and only that; assistive technology hears of
// the same changes to cells and score.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(frmMain& game, QWidget* parent = nullptr);

  // One event of the game, from the event loop into the game and back: every click,
  // key, command, tick and window event of the game is one, and they nest at the
  // game's yields. When one ends the screen shows the game, and when the outermost one
  // ends the narrator speaks.
  class Entry {
   public:
    explicit Entry(BoardView& view) : view_(view) { view_.narrator_.enter(); }
    ~Entry() {
      view_.showChanges();
      view_.narrator_.leave();
    }
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

   private:
    BoardView& view_;
  };

  [[nodiscard]] const frmMain& game() const { return game_; }
  [[nodiscard]] Narrator& narrator() { return narrator_; }
  // Every event of the game ends here, and every yield starts here.
  void showChanges();

  [[nodiscard]] const BoardCursor& cursor() const { return cursor_; }
  // Does at a cell exactly what a click in its middle does: a click on its frame, or
  // on its gem while it is the first pick. The handler may run a whole cascade.
  void pressCell(std::int16_t cell);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 signals:
  void scoreShown();

 private:
  // What a cell looks like: its gem (0 while the cell is empty) and its frame.
  struct CellLook {
    std::int16_t gem = 0;
    FrameLook frame = FrameLook::Plain;
    friend bool operator==(const CellLook&, const CellLook&) = default;
  };

  void paintBoard(QPainter& painter) const;
  void paintStatus(QPainter& painter, const QRect& dirty) const;
  // One cell looks otherwise than the view last showed it.
  void showCell(std::int16_t cell, CellLook look);
  // False when the caption is the one shown.
  bool showCaption(std::string& shown, const std::string& caption, const QRect& label);
  void click(const BoardHit& hit);
  void hideCursor();
  void moveCursorTo(std::int16_t cell);

  frmMain& game_;
  // What the view last showed, or is about to show at the next repaint.
  std::array<CellLook, CellCount> shownCells_{};
  std::string shownScore_;
  std::string shownClock_;
  QRect shownBar_;
  BoardHit pressed_;  // a click is a press and a release on the same frame or gem
  BoardCursor cursor_;
  Narrator narrator_;
};

}  // namespace glimmerix
