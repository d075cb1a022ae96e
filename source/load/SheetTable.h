#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillmere::source {

// One column of the header row: where it is and what its row-1 cell says.
struct HeaderColumn {
  std::uint32_t column = 0;  // counted from 0: column A is 0
  std::string letters;       // "A", ..., "Z", "AA", ...
  std::string text;          // the text form of the row-1 cell, never empty
  friend bool operator==(const HeaderColumn&, const HeaderColumn&) = default;
};

// What a load leaves behind: enough to offer the columns for mapping and to visit again,
// later, exactly the rows the load counted. Cell values are not kept.
struct SheetTable {
  std::filesystem::path workbook;
  // The unbroken run of non-empty row-1 cells from column A rightwards.
  std::vector<HeaderColumn> headers;
  // Non-empty rows found, the header row included; 0 when nothing was found.
  std::int32_t rowsFound = 0;
  // The sheet row number of the last non-empty row counted (0 when none). Every non-empty
  // row from 2 to this one is a data row; the rows between them are empty.
  std::uint32_t lastCountedRow = 0;
  // False when only the header row was read: a conversion then finds the data rows as it
  // goes, and the two counts above say nothing.
  bool rowsCounted = false;

  std::int32_t headerCount() const { return static_cast<std::int32_t>(headers.size()); }
  // Data rows, without the header row.
  std::int32_t dataRows() const { return rowsFound > 0 ? rowsFound - 1 : 0; }
};

}  // namespace quillmere::source
