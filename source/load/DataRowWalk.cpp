#include "source/load/DataRowWalk.h"

#include <algorithm>

#include "source/load/RowEmptiness.h"

namespace quillmere::source {

namespace {

void noteRowAfterEnd(const SheetReader& sheet, SkippedData& skipped) {
  if (isEmptyRow(sheet, sheet.cellCount())) return;
  if (skipped.rowsAfterEnd++ == 0) skipped.firstRowAfterEnd = sheet.rowNumber();
  skipped.lastRowAfterEnd = sheet.rowNumber();
}

}  // namespace

void DataRowWalk::notePastHeaders(const SheetReader& sheet) {
  if (skipped_ == nullptr || sheet.cellCount() <= headerCount_) return;
  // Past the header columns' first empty cell, which is never itself filled in the header row.
  for (std::size_t column = headerCount_; column < sheet.cellCount(); ++column) {
    if (isEmptyCell(sheet.cell(column))) continue;
    if (column >= columnSeen_.size()) columnSeen_.resize(column + 1);
    if (columnSeen_[column]) continue;
    columnSeen_[column] = true;
    auto& columns = skipped_->columnsPastHeaders;
    columns.insert(std::upper_bound(columns.begin(), columns.end(), column),
                   static_cast<std::uint32_t>(column));
  }
}

bool DataRowWalk::next(SheetReader& sheet) {
  while (!ended_ && sheet.nextRow()) {
    const std::uint32_t row = sheet.rowNumber();
    if (row <= headerRow_) continue;
    if (row > lastRow_) break;
    emptyRun_ += row - previousRow_ - 1;
    previousRow_ = row;
    // A gap of five unstored rows before this one ends the data with this row outside it.
    const bool beyondGap = emptyRun_ >= kEmptyRowsEndingData;
    if (!beyondGap) {
      notePastHeaders(sheet);
      if (!isEmptyRow(sheet, headerCount_)) {
        emptyRun_ = 0;
        return true;
      }
      ++emptyRun_;
    }
    if (emptyRun_ >= kEmptyRowsEndingData) {
      endedAtEmptyRows_ = true;
      if (skipped_ != nullptr) {
        if (beyondGap) noteRowAfterEnd(sheet, *skipped_);
        while (sheet.nextRow())
          noteRowAfterEnd(sheet, *skipped_);
      }
      break;
    }
  }
  ended_ = true;
  return false;
}

}  // namespace quillmere::source
