#include "ui/look/Fonts.h"

#include <cmath>

namespace glimmerix {

QFont SansFont(double points, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(bold);
  // The designed face was a narrow one: at full width the game-over question would not
  // fit its label. DejaVu's condensed cut answers this; without it Qt narrows the plain
  // face itself and every label looks a little different.
  font.setStretch(90);
  return font;
}

}  // namespace glimmerix
