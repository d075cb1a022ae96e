#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "source/ReadLimits.h"
#include "source/SheetList.h"
#include "source/SheetReader.h"
#include "source/load/DataRowWalk.h"
#include "source/load/KeptRows.h"
#include "source/load/SheetPreview.h"
#include "source/load/SheetTable.h"

namespace quillmere::source {

// Told of the load's progress after every row it takes up. Returning false stops the load
// (the window is closing); the caller then keeps nothing of it.
class LoadObserver {
 public:
  virtual ~LoadObserver() = default;
  virtual bool rowTaken(std::int32_t rowsFound) = 0;
  // Told every few milliseconds while the load waits for what another thread still reads,
  // such as a workbook's shared strings.
  virtual void waiting() {}
};

// Has `sheet` tell `observer` of its waits (SheetReader::setWhileWaiting) while this lives:
// only during a load, as the sheet may later be read on another thread.
class ObservedWaits {
 public:
  ObservedWaits(SheetReader& sheet, LoadObserver& observer) : sheet_(sheet) {
    sheet_.setWhileWaiting([&observer] { observer.waiting(); });
  }
  ~ObservedWaits() { sheet_.setWhileWaiting({}); }
  ObservedWaits(const ObservedWaits&) = delete;
  ObservedWaits& operator=(const ObservedWaits&) = delete;

 private:
  SheetReader& sheet_;
};

struct LoadOptions {
  char decimalSeparator = '.';
  ReadLimits limits;
  // Memory the decoded rows may take to be kept for a conversion; 0 keeps none.
  std::size_t keptRowsBudget = 0;
  // The worksheet to read, by its place in tab order; the first worksheet by default.
  std::size_t sheet = kFirstWorksheet;
  // The sheet row the headers are in; the rows above it are not read.
  std::uint32_t headerRow = 1;
  // Read the columns after the first empty header cell too, up to the last that holds data,
  // each empty header cell headed by its column's letters.
  bool allColumns = false;
};

struct LoadedSheet {
  SheetTable table;
  SheetPreview preview;
  KeptRows rows;
};

// The header columns of the current row: the unbroken run of non-empty cells from column A
// rightwards, or with `columns` the first that many, an empty cell headed by its letters.
std::vector<HeaderColumn> scanHeaders(const SheetReader& headerRow, char decimalSeparator = '.',
                                      std::uint32_t columns = 0);

// The header columns of the current row read as `table`'s were, to compare with them.
std::vector<HeaderColumn> scanHeadersOf(const SheetReader& headerRow, char decimalSeparator,
                                        const SheetTable& table);

// Moves a cursor standing before `row` to it; false when the sheet stores no such row (it is
// empty), the cursor then standing past it.
bool seekRow(SheetReader& sheet, std::uint32_t row);

// Reads the chosen worksheet of `workbook`: its header columns, the count of its data rows
// (DataRowWalk), and the first rows for the preview. Throws
// WorkbookError when the workbook cannot be read; nothing when the observer stopped it.
std::optional<LoadedSheet> extractExcelData(const std::filesystem::path& workbook,
                                            LoadObserver& observer,
                                            const LoadOptions& options = {});

// The same over an open sheet, read from its start.
std::optional<LoadedSheet> extractSheetData(SheetReader& sheet, LoadObserver& observer,
                                            const LoadOptions& options = {});

}  // namespace quillmere::source
