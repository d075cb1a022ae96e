#pragma once

#include <cstdint>
#include <string_view>

#include "source/CellReference.h"
#include "source/CellValue.h"
#include "source/SheetReader.h"

namespace quillmere::source {

// Cell-by-reference access over a forward row cursor. Reads in increasing row order cost
// nothing extra; a read of an earlier row restarts the cursor, so any order is correct.
class Worksheet {
 public:
  explicit Worksheet(SheetReader& reader) : reader_(reader) {}

  std::uint32_t rowCount() const { return reader_.gridRows(); }

  CellValue cell(CellPosition position);

  // A reference such as "A1" or "AB12"; throws std::invalid_argument when malformed.
  CellValue cell(std::string_view reference);

 private:
  // Leaves the cursor on `row` when that row is stored; false when it is empty.
  bool moveTo(std::uint32_t row);

  SheetReader& reader_;
  std::uint32_t current_ = 0;   // the cursor's row; the last row once it has run out
  std::uint32_t previous_ = 0;  // the stored row before current_
  bool atEnd_ = false;
};

}  // namespace quillmere::source
