#include "ui/CellNames.h"

#include <QCoreApplication>

#include "ui/Pictures.h"

namespace glimmerix {

namespace {
struct CellNames {
  Q_DECLARE_TR_FUNCTIONS(CellNames)
};
}  // namespace

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
