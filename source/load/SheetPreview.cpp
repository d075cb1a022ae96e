#include "source/load/SheetPreview.h"

#include <algorithm>

#include "source/Utf8Cut.h"

namespace quillmere::source {

std::string_view SheetPreview::cell(std::size_t row, std::size_t column) const {
  if (row >= rows_.size()) return {};
  const Row& stored = rows_[row];
  const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(stored.firstCell);
  const auto last = first + static_cast<std::ptrdiff_t>(stored.cellCount);
  const auto found =
      std::lower_bound(first, last, column,
                       [](const Cell& cell, std::size_t wanted) { return cell.column < wanted; });
  if (found == last || found->column != column) return {};
  return std::string_view(text_).substr(found->offset, found->length);
}

void SheetPreview::beginRow() {
  rows_.push_back({cells_.size(), 0});
}

void SheetPreview::addCell(std::size_t column, std::string_view text) {
  if (rows_.empty() || text.empty() || column >= columnCount_) return;
  const std::string_view kept = cutBetweenCharacters(text, kMaxCellBytes);
  cells_.push_back({static_cast<std::uint32_t>(column), static_cast<std::uint32_t>(text_.size()),
                    static_cast<std::uint32_t>(kept.size())});
  text_.append(kept);
  ++rows_.back().cellCount;
}

}  // namespace quillmere::source
