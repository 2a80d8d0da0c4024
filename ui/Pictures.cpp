#include "ui/Pictures.h"

#include <QCoreApplication>
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

QString GemName(std::int16_t kind) {
  static constexpr std::array<const char*, GemKinds + 1> names{
      QT_TRANSLATE_NOOP("Pictures", "no gem"),     QT_TRANSLATE_NOOP("Pictures", "yellow gem"),
      QT_TRANSLATE_NOOP("Pictures", "white gem"),  QT_TRANSLATE_NOOP("Pictures", "red gem"),
      QT_TRANSLATE_NOOP("Pictures", "purple gem"), QT_TRANSLATE_NOOP("Pictures", "light blue gem"),
      QT_TRANSLATE_NOOP("Pictures", "green gem"),  QT_TRANSLATE_NOOP("Pictures", "orange gem")};
  return QCoreApplication::translate("Pictures", names[kind >= 1 && kind <= GemKinds ? kind : 0]);
}

QIcon WindowIcon() {
  return QIcon(QStringLiteral(":/pictures/icon.xpm"));
}

}  // namespace glimmerix
