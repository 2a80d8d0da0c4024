#pragma once

#include <QIcon>
#include <QPixmap>

#include "board/Board.h"

namespace glimmerix {

// The seven gem pictures, kinds 1-7, and the window icon, all compiled in.
[[nodiscard]] const QPixmap& GemPicture(std::int16_t kind);
[[nodiscard]] QIcon WindowIcon();

}  // namespace glimmerix
