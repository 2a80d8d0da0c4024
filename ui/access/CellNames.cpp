#include "ui/access/CellNames.h"

#include <QCoreApplication>
#include <array>

#include "ui/windows/BoardCursor.h"

namespace glimmerix {

namespace {
struct CellNames {
  Q_DECLARE_TR_FUNCTIONS(CellNames)
};

QChar ColumnLetter(std::int16_t cell) {
  return QChar(u'A' + ColumnOf(cell));
}
}  // namespace

QString GemName(const Cell& cell) {
  static constexpr std::array<const char*, GemKinds + 1> names{
      QT_TRANSLATE_NOOP("CellNames", "empty"),  QT_TRANSLATE_NOOP("CellNames", "yellow"),
      QT_TRANSLATE_NOOP("CellNames", "white"),  QT_TRANSLATE_NOOP("CellNames", "red"),
      QT_TRANSLATE_NOOP("CellNames", "purple"), QT_TRANSLATE_NOOP("CellNames", "light blue"),
      QT_TRANSLATE_NOOP("CellNames", "green"),  QT_TRANSLATE_NOOP("CellNames", "orange")};
  const bool shown = cell.Visible && cell.Kind >= 1 && cell.Kind <= GemKinds;
  return CellNames::tr(names[shown ? cell.Kind : 0]);
}

QString PlaceName(std::int16_t cell) {
  return ColumnLetter(cell) + QString::number(RowOf(cell) + 1);
}

QString SpokenCell(const Board& cells, std::int16_t cell) {
  return CellNames::tr("%1 %2").arg(PlaceName(cell), GemName(cells[cell]));
}

QString RowName(int row) {
  return CellNames::tr("row %1").arg(row + 1);
}

QString TableCellName(const Board& cells, std::int16_t cell, const BoardCursor& cursor) {
  const bool alongCursorsRow = cursor.movedAcross() && RowOf(cell) == RowOf(cursor.cell());
  QString name = GemName(cells[cell]);
  if (alongCursorsRow && cell == cursor.cell()) {
    name = CellNames::tr("%1 %2").arg(ColumnLetter(cell)).arg(name);
  } else if (ColumnOf(cell) == 0 && !alongCursorsRow) {
    name = CellNames::tr("%1, %2").arg(RowName(RowOf(cell)), name);
  }
  if (!cells[cell].Visible || cells[cell].Frame != FrameLook::Picked) return name;
  return CellNames::tr("%1, picked").arg(name);
}

}  // namespace glimmerix
