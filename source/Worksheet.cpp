#include "source/Worksheet.h"

#include <stdexcept>
#include <string>

namespace quillmere::source {

CellValue Worksheet::cell(CellPosition position) {
  if (!moveTo(position.row)) return CellValue::empty();
  return reader_.cell(position.column);
}

CellValue Worksheet::cell(std::string_view reference) {
  const auto position = parseCellReference(reference);
  if (!position) throw std::invalid_argument("not a cell reference: " + std::string(reference));
  return cell(*position);
}

bool Worksheet::moveTo(std::uint32_t row) {
  if (row == current_ && !atEnd_) return current_ != 0;
  if (row <= previous_ || (row == current_ && atEnd_)) {
    reader_.rewind();
    current_ = previous_ = 0;
    atEnd_ = false;
  } else if (row < current_ || atEnd_) {
    return false;  // between two stored rows, or past the last one
  }
  while (current_ < row) {
    previous_ = current_;
    if (!reader_.nextRow()) {
      atEnd_ = true;
      return false;
    }
    current_ = reader_.rowNumber();
  }
  return current_ == row;
}

}  // namespace quillmere::source
