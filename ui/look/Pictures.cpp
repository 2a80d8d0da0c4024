#include "ui/look/Pictures.h"

#include <QString>
#include <array>

namespace glimmerix {

const QPixmap& GemPicture(std::int16_t kind) {
  // Loaded once, on first paint; the board shares the very same pixmaps.
  static const std::array<QPixmap, GemKinds + 1> pictures = [] {
    std::array<QPixmap, GemKinds + 1> loaded;
    for (int k = 1; k <= GemKinds; ++k) loaded[k] = QPixmap(QString(":/pictures/gem%1.xpm").arg(k));
    return loaded;
  }();
  return pictures[kind >= 1 && kind <= GemKinds ? kind : 0];
}

QIcon WindowIcon() {
  return QIcon(QStringLiteral(":/pictures/icon.xpm"));
}

}  // namespace glimmerix
