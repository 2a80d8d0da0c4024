#include "ui/access/CellNames.h"

#include <QCoreApplication>
#include <array>

namespace glimmerix {

namespace {
struct CellNames {
  Q_DECLARE_TR_FUNCTIONS(CellNames)
};
}  // namespace

QString GemName(std::int16_t kind) {
  static constexpr std::array<const char*, GemKinds + 1> names{
      QT_TRANSLATE_NOOP("CellNames", "no gem"),
      QT_TRANSLATE_NOOP("CellNames", "yellow gem"),
      QT_TRANSLATE_NOOP("CellNames", "white gem"),
      QT_TRANSLATE_NOOP("CellNames", "red gem"),
      QT_TRANSLATE_NOOP("CellNames", "purple gem"),
      QT_TRANSLATE_NOOP("CellNames", "light blue gem"),
      QT_TRANSLATE_NOOP("CellNames", "green gem"),
      QT_TRANSLATE_NOOP("CellNames", "orange gem")};
  return CellNames::tr(names[kind >= 1 && kind <= GemKinds ? kind : 0]);
}

QString PlaceName(std::int16_t cell) {
  return CellNames::tr("Column %1, row %2").arg(QChar(u'A' + ColumnOf(cell))).arg(RowOf(cell) + 1);
}

QString GemPlaceName(const Cell& cell, std::int16_t index) {
  const QString gem = cell.Visible ? GemName(cell.Kind) : CellNames::tr("empty");
  return CellNames::tr("%1: %2").arg(PlaceName(index), gem);
}

QString CellName(const Cell& cell, std::int16_t index) {
  const QString name = GemPlaceName(cell, index);
  if (!cell.Visible || cell.Frame != FrameLook::Picked) return name;
  return CellNames::tr("%1, picked").arg(name);
}

}  // namespace glimmerix
