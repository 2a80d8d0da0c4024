#pragma once

#include <QIcon>
#include <QPixmap>

#include "board/Board.h"

namespace glimmerix {

// The seven gem pictures, kinds 1-7, and the window icon, all compiled in.
[[nodiscard]] const QPixmap& GemPicture(std::int16_t kind);
[[nodiscard]] QIcon WindowIcon();
// What a screen reader says of a gem: "red gem".
[[nodiscard]] QString GemName(std::int16_t kind);

}  // namespace glimmerix
