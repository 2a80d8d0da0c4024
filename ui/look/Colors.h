#pragma once

#include <QColor>

namespace glimmerix {

// The game's colours, designed as &H00BBGGRR values.
inline const QColor Grey{0x80, 0x80, 0x80};       // &H808080: the game window, plain frames
inline const QColor PickedRed{0xFF, 0x00, 0x00};  // 255: a picked frame
inline const QColor BarBlue{0x00, 0x00, 0xC0};    // &H00C00000: the bonus bar
inline const QColor DarkBlue{0x00, 0x00, 0x80};   // &H00800000: score and clock digits
inline const QColor LightBlue{0x80, 0x80, 0xFF};  // &H00FF8080: welcome and game-over windows

}  // namespace glimmerix
