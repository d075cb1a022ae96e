#include "source/load/DataRowWalk.h"

#include "source/load/RowEmptiness.h"

namespace quillmere::source {

bool DataRowWalk::next(SheetReader& sheet) {
  while (!ended_ && sheet.nextRow()) {
    const std::uint32_t row = sheet.rowNumber();
    if (row < 2) continue;
    if (row > lastRow_) break;
    emptyRun_ += row - previousRow_ - 1;
    previousRow_ = row;
    if (emptyRun_ < kEmptyRowsEndingData && !isEmptyRow(sheet, headerCount_)) {
      emptyRun_ = 0;
      return true;
    }
    if (emptyRun_ < kEmptyRowsEndingData) ++emptyRun_;
    if (emptyRun_ >= kEmptyRowsEndingData) {
      endedAtEmptyRows_ = true;
      break;
    }
  }
  ended_ = true;
  return false;
}

}  // namespace quillmere::source
