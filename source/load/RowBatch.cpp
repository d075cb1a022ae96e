#include "source/load/RowBatch.h"

#include <cstring>

namespace quillmere::source {

namespace {

bool holdsText(CellKind kind) {
  return kind == CellKind::Text || kind == CellKind::Error;
}

}  // namespace

void RowBatch::clear() {
  numbers_.clear();
  ends_.clear();
  cells_.clear();
  copied_.clear();
  text_.clear();
  failure = nullptr;
  ended = false;
}

void RowBatch::add(const SheetReader& sheet) {
  const std::size_t rowsBefore = numbers_.size();
  const std::size_t cellsBefore = cells_.size();
  const std::size_t copiedBefore = copied_.size();
  const std::size_t textBefore = text_.size();
  try {
    addRow(sheet);
  } catch (...) {
    // A row is in the batch whole or not at all, so the rows before a failure stay readable.
    numbers_.resize(rowsBefore);
    ends_.resize(rowsBefore);
    cells_.resize(cellsBefore);
    copied_.resize(copiedBefore);
    text_.resize(textBefore);
    throw;
  }
}

void RowBatch::addRow(const SheetReader& sheet) {
  numbers_.push_back(sheet.rowNumber());
  const std::size_t count = sheet.cellCount();
  for (std::size_t column = 0; column < count; ++column) {
    const CellValue value = sheet.cell(column);
    Cell cell;
    cell.kind = value.kind;
    cell.lasting = value.lasting;
    cell.shown = false;
    if (value.kind == CellKind::Number && !value.text.empty()) {
      cell.shown = true;
      cell.sizeOrStyle = static_cast<std::uint32_t>(value.text.size());
      cell.copiedAt = text_.size();
      copied_.push_back(cells_.size());
      text_.append(reinterpret_cast<const char*>(&value.number), sizeof value.number);
      text_.append(value.text);
    } else if (holdsText(value.kind)) {
      cell.sizeOrStyle = static_cast<std::uint32_t>(value.text.size());
      if (value.lasting) {
        cell.text = value.text.data();
      } else {
        cell.copiedAt = text_.size();
        copied_.push_back(cells_.size());
        text_.append(value.text);
      }
    } else {
      cell.number = value.number;
      cell.sizeOrStyle = value.style;
    }
    cells_.push_back(cell);
  }
  ends_.push_back(cells_.size());
}

void RowBatch::seal() {
  for (const std::size_t at : copied_) {
    Cell& cell = cells_[at];
    cell.text = text_.data() + cell.copiedAt;
  }
}

void RowBatch::prefetchTexts(std::size_t row) const {
  if (row >= rows()) return;
  for (std::size_t at = begin(row); at < ends_[row]; ++at) {
    const Cell& cell = cells_[at];
    if (cell.lasting) __builtin_prefetch(cell.text);
  }
}

CellValue RowBatch::cell(std::size_t row, std::size_t column) const {
  const Cell& cell = cells_[begin(row) + column];
  CellValue value;
  value.kind = cell.kind;
  value.lasting = cell.lasting;
  if (cell.shown) {
    std::memcpy(&value.number, cell.text, sizeof value.number);
    value.text = std::string_view(cell.text + sizeof value.number, cell.sizeOrStyle);
  } else if (holdsText(cell.kind)) {
    value.text = std::string_view(cell.text, cell.sizeOrStyle);
  } else {
    value.number = cell.number;
    value.style = cell.sizeOrStyle;
  }
  return value;
}

}  // namespace quillmere::source
