#include "source/load/KeptRows.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace quillmere::source {

namespace {

std::uint64_t placeOf(std::size_t offset, std::size_t length) {
  return static_cast<std::uint64_t>(offset) << 32 | static_cast<std::uint64_t>(length);
}

}  // namespace

std::size_t KeptRows::bytes() const {
  return rows_.capacity() * sizeof(Row) + cells_.capacity() * sizeof(Cell) + text_.capacity();
}

void KeptRows::keep(const SheetReader& sheet, std::size_t headerCount) {
  if (abandoned_) return;
  const std::size_t stored = std::min(headerCount, sheet.cellCount());
  // Offsets are 32 bits wide; a budget that large is refused the same way as an overrun.
  constexpr std::size_t kMaxPlace = std::numeric_limits<std::uint32_t>::max();
  rows_.push_back({sheet.rowNumber(), static_cast<std::uint32_t>(cells_.size()),
                   static_cast<std::uint32_t>(stored)});
  for (std::size_t column = 0; column < stored; ++column) {
    const CellValue value = sheet.cell(column);
    Cell cell;
    cell.kind = value.kind;
    cell.style = value.style;
    if (value.kind == CellKind::Text || value.kind == CellKind::Error) {
      cell.payload = placeOf(text_.size(), value.text.size());
      text_ += value.text;
    } else {
      cell.payload = std::bit_cast<std::uint64_t>(value.number);
    }
    cells_.push_back(cell);
  }
  if (bytes() > budget_ || text_.size() > kMaxPlace || cells_.size() > kMaxPlace) abandon();
}

void KeptRows::abandon() {
  abandoned_ = true;
  // Swapped with empty ones, so the memory goes back now rather than with the object.
  std::vector<Row>().swap(rows_);
  std::vector<Cell>().swap(cells_);
  std::string().swap(text_);
}

CellValue KeptRows::cellValue(const Row& row, std::size_t column) const {
  if (column >= row.cellCount) return {};
  const Cell& cell = cells_[row.firstCell + column];
  CellValue value;
  value.kind = cell.kind;
  value.style = cell.style;
  if (cell.kind == CellKind::Text || cell.kind == CellKind::Error) {
    value.text = std::string_view(text_).substr(cell.payload >> 32, cell.payload & 0xFFFFFFFFu);
  } else {
    value.number = std::bit_cast<double>(cell.payload);
  }
  return value;
}

bool KeptRowsReader::nextRow() {
  if (next_ >= rows_.rows_.size()) {
    next_ = rows_.rows_.size() + 1;
    return false;
  }
  ++next_;
  return true;
}

std::uint32_t KeptRowsReader::rowNumber() const {
  if (next_ == 0 || next_ > rows_.rows_.size()) return 0;
  return rows_.rows_[next_ - 1].number;
}

std::size_t KeptRowsReader::cellCount() const {
  if (next_ == 0 || next_ > rows_.rows_.size()) return 0;
  return rows_.rows_[next_ - 1].cellCount;
}

CellValue KeptRowsReader::cell(std::size_t column) const {
  if (next_ == 0 || next_ > rows_.rows_.size()) return {};
  return rows_.cellValue(rows_.rows_[next_ - 1], column);
}

}  // namespace quillmere::source
