#pragma once

#include <cstddef>

#include "source/CellValue.h"
#include "source/SheetReader.h"

namespace quillmere::source {

// A cell is empty when its text form is: no value, or a text of length 0. Numbers, Booleans
// and error codes always have text.
inline bool isEmptyCell(const CellValue& cell) {
  return cell.kind == CellKind::Empty || (cell.kind == CellKind::Text && cell.text.empty());
}

// Whether the current row has no text in any of the first `headerCount` columns; text right
// of the header columns does not count. Loading and exporting share this one rule, so the
// export visits exactly the rows the load counted.
bool isEmptyRow(const SheetReader& sheet, std::size_t headerCount);

}  // namespace quillmere::source
