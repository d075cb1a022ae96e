#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

#include "source/SheetReader.h"

namespace quillmere::source {

// The fifth consecutive empty row ends the data.
inline constexpr int kEmptyRowsEndingData = 5;

// The data rows of a sheet below its header row: every row from 2 on with text in one of the
// header columns, up to the fifth consecutive empty row. Rows the file does not store are
// empty. The load's count, the preview, the export and the card preview all walk rows with
// this one rule, so each of them sees exactly the same rows.
class DataRowWalk {
 public:
  static constexpr std::uint32_t kNoLastRow = std::numeric_limits<std::uint32_t>::max();

  // `lastRow` ends the walk early: a run stops at the last row its load counted.
  explicit DataRowWalk(std::size_t headerCount, std::uint32_t lastRow = kNoLastRow)
      : headerCount_(headerCount), lastRow_(lastRow) {}

  // Moves `sheet`, which stands on its header row or before it, to the next data row; false
  // once the data have ended.
  bool next(SheetReader& sheet);

  // Whether the data ended at a run of empty rows rather than at the sheet's end or the
  // last row asked for.
  bool endedAtEmptyRows() const { return endedAtEmptyRows_; }

 private:
  std::size_t headerCount_;
  std::uint32_t lastRow_;
  std::uint32_t previousRow_ = 1;
  std::uint32_t emptyRun_ = 0;
  bool ended_ = false;
  bool endedAtEmptyRows_ = false;
};

}  // namespace quillmere::source
