#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "source/ReadLimits.h"
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
};

struct LoadOptions {
  char decimalSeparator = '.';
  ReadLimits limits;
  // Memory the decoded rows may take to be kept for a conversion; 0 keeps none.
  std::size_t keptRowsBudget = 0;
};

struct LoadedSheet {
  SheetTable table;
  SheetPreview preview;
  KeptRows rows;
};

// The header columns of the current row, which must be row 1: the unbroken run of
// non-empty cells from column A rightwards.
std::vector<HeaderColumn> scanHeaders(const SheetReader& headerRow, char decimalSeparator = '.');

// Reads the first worksheet of `workbook`: its header columns, the count of its data rows
// (DataRowWalk), and the first rows for the preview. Throws
// WorkbookError when the workbook cannot be read; nothing when the observer stopped it.
std::optional<LoadedSheet> extractExcelData(const std::filesystem::path& workbook,
                                            LoadObserver& observer,
                                            const LoadOptions& options = {});

// The same over an open sheet, read from its first row.
std::optional<LoadedSheet> extractSheetData(SheetReader& sheet, LoadObserver& observer,
                                            const LoadOptions& options = {});

}  // namespace quillmere::source
