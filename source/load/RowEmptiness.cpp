#include "source/load/RowEmptiness.h"

#include <algorithm>

namespace quillmere::source {

bool isEmptyRow(const SheetReader& sheet, std::size_t headerCount) {
  const std::size_t stored = std::min(headerCount, sheet.cellCount());
  for (std::size_t column = 0; column < stored; ++column) {
    if (!isEmptyCell(sheet.cell(column))) return false;
  }
  return true;
}

}  // namespace quillmere::source
