#include "ui/Fonts.h"

#include <cmath>

namespace glimmerix {

QFont SansFont(double points, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(bold);
  return font;
}

}  // namespace glimmerix
