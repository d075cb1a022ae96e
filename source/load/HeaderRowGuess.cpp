#include "source/load/HeaderRowGuess.h"

#include <cstddef>

#include "source/load/RowEmptiness.h"

namespace quillmere::source {

namespace {

struct CellCounts {
  std::size_t filled = 0;
  std::size_t text = 0;
};

CellCounts countCells(const SheetReader& sheet) {
  CellCounts counts;
  for (std::size_t column = 0; column < sheet.cellCount(); ++column) {
    const CellValue cell = sheet.cell(column);
    if (isEmptyCell(cell)) continue;
    ++counts.filled;
    if (cell.kind == CellKind::Text) ++counts.text;
  }
  return counts;
}

}  // namespace

std::optional<std::uint32_t> suggestHeaderRow(SheetReader& sheet) {
  sheet.rewind();
  std::optional<std::uint32_t> found;
  std::size_t titleCells = 0;  // row 1 is empty unless it is stored
  while (!found && sheet.nextRow() && sheet.rowNumber() <= kHeaderRowSearchRows) {
    const CellCounts counts = countCells(sheet);
    if (sheet.rowNumber() == 1) {
      titleCells = counts.filled;
      if (titleCells > 1) break;
    } else if (counts.text >= 2) {
      found = sheet.rowNumber();
    }
  }
  sheet.rewind();
  if (titleCells > 1) return std::nullopt;
  return found;
}

}  // namespace quillmere::source
