#include "ui/BoardAnnouncer.h"

#include <QAccessible>

#include "ui/BoardAccessible.h"
#include "ui/BoardView.h"

namespace glimmerix {

namespace {

void Send(BoardView& view, QAccessible::Event type, int item) {
  QAccessibleEvent event(&view, type);
  event.setChild(item);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

// Runs after every entry of the game, so it only compares unless something changed.
void BoardAnnouncer::announceChanges() {
  const frmMain& game = view_.game();
  const bool listened = QAccessible::isActive();
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    const Cell& now = game.Cells[cell];
    const Told told{now.Kind, now.Visible, now.Frame};
    const bool pickChanged = told.frame != cells_[cell].frame;
    if (told == cells_[cell]) continue;
    cells_[cell] = told;
    if (!listened) continue;
    Send(view_, QAccessible::NameChanged, cell);
    if (pickChanged) {
      Send(view_,
           told.frame == FrameLook::Picked ? QAccessible::SelectionAdd
                                           : QAccessible::SelectionRemove,
           cell);
    }
  }
  if (game.lblscore.Caption == score_) return;
  score_ = game.lblscore.Caption;
  if (listened) Send(view_, QAccessible::NameChanged, ScoreItem);
}

}  // namespace glimmerix
