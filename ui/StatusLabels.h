#pragma once

#include <QColor>
#include <QRect>

#include "ui/Colors.h"
#include "ui/Geometry.h"

namespace glimmerix {

// The four labels of the status row under the board, where they are designed.
struct StatusLabel {
  QRect rect;
  bool opaque;
  QColor textColor;
};

inline const StatusLabel ScoreTitle{TwipsRect(90, 5200, 1350, 495), true, Qt::black};
inline const StatusLabel ScoreValue{TwipsRect(1425, 5205, 1200, 495), true, DarkBlue};
inline const StatusLabel TimeTitle{TwipsRect(3075, 5200, 990, 495), false, Qt::black};
inline const StatusLabel TimeValue{TwipsRect(4050, 5200, 1200, 375), false, DarkBlue};

}  // namespace glimmerix
