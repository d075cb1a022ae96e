#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "source/SheetReader.h"
#include "source/load/SheetTable.h"

namespace quillmere::source {

// The fifth consecutive empty row ends the data.
inline constexpr int kEmptyRowsEndingData = 5;

// The data rows of a sheet below its header row: every row below it with text in one of the
// header columns, up to the fifth consecutive empty row. Rows the file does not store are
// empty. The load's count, the preview, the export and the card preview all walk rows with
// this one rule, so each of them sees exactly the same rows.
class DataRowWalk {
 public:
  static constexpr std::uint32_t kNoLastRow = std::numeric_limits<std::uint32_t>::max();

  // `headerRow` is the sheet row of the headers (1 unless the user said otherwise); rows
  // above it are not data. `lastRow` ends the walk early: a run stops at the last row its
  // load counted.
  DataRowWalk(std::size_t headerCount, std::uint32_t headerRow, std::uint32_t lastRow = kNoLastRow)
      : headerCount_(headerCount),
        headerRow_(headerRow),
        lastRow_(lastRow),
        previousRow_(headerRow) {}

  // The walk over the data rows of the load that left `table`: up to the last row it counted,
  // or to the end of the data when it read only the header row. Every walk after the load's
  // own begins here, so each stops where the load did.
  static DataRowWalk over(const SheetTable& table) {
    return DataRowWalk(table.headers.size(), table.headerRow,
                       table.rowsCounted ? table.lastCountedRow : kNoLastRow);
  }

  // Has the walk note in `skipped` the filled cells right of the header columns in every row
  // it passes, the header row included when the sheet stands on it; and, when the data end
  // at empty rows, read on to the sheet's end to count the filled rows after them.
  void noteSkipped(SkippedData& skipped) { skipped_ = &skipped; }
  // Notes the filled cells of the current row right of the header columns.
  void notePastHeaders(const SheetReader& sheet);

  // Moves `sheet`, which stands on its header row or before it, to the next data row; false
  // once the data have ended.
  bool next(SheetReader& sheet);

  // Whether the data ended at a run of empty rows rather than at the sheet's end or the
  // last row asked for.
  bool endedAtEmptyRows() const { return endedAtEmptyRows_; }

 private:
  std::size_t headerCount_;
  std::uint32_t headerRow_;
  std::uint32_t lastRow_;
  std::uint32_t previousRow_;
  std::uint32_t emptyRun_ = 0;
  bool ended_ = false;
  SkippedData* skipped_ = nullptr;
  std::vector<bool> columnSeen_;
  bool endedAtEmptyRows_ = false;
};

}  // namespace quillmere::source
