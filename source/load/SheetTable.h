#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillmere::source {

// One column of the header row: where it is and what its header cell says.
struct HeaderColumn {
  std::uint32_t column = 0;  // counted from 0: column A is 0
  std::string letters;       // "A", ..., "Z", "AA", ...
  std::string text;          // the text form of the header cell (or its letters), never empty
  friend bool operator==(const HeaderColumn&, const HeaderColumn&) = default;
};

// Cells a load saw but does not read by the rules, so the user can be told: filled cells right
// of the first empty header cell, and filled rows after the empty rows that end the data.
struct SkippedData {
  // Columns (counted from 0, in order) with a filled cell right of the header columns, in
  // the header row or any row up to the end of the data.
  std::vector<std::uint32_t> columnsPastHeaders;
  // Filled rows after the fifth consecutive empty row, and the first and last of them.
  std::uint32_t rowsAfterEnd = 0;
  std::uint32_t firstRowAfterEnd = 0;
  std::uint32_t lastRowAfterEnd = 0;

  bool any() const { return !columnsPastHeaders.empty() || rowsAfterEnd > 0; }
  friend bool operator==(const SkippedData&, const SkippedData&) = default;
};

// What a load leaves behind: enough to offer the columns for mapping and to visit again,
// later, exactly the rows the load counted. Cell values are not kept.
struct SheetTable {
  std::filesystem::path workbook;
  // The sheet read, by its place in the workbook's tab order, and its name.
  std::size_t sheet = 0;
  std::string sheetName;
  // The sheet row of the headers; data rows are below it.
  std::uint32_t headerRow = 1;
  // The unbroken run of non-empty header-row cells from column A rightwards; when
  // `allColumns`, every column from A to the last holding data, an empty header cell headed
  // by its column's letters.
  std::vector<HeaderColumn> headers;
  bool allColumns = false;
  // Non-empty rows found, the header row included; 0 when nothing was found.
  std::int32_t rowsFound = 0;
  // The sheet row number of the last non-empty row counted (0 when none). Every non-empty
  // row below the header row up to this one is a data row; the rows between them are empty.
  std::uint32_t lastCountedRow = 0;
  // False when only the header row was read: a conversion then finds the data rows as it
  // goes, and the two counts above say nothing.
  bool rowsCounted = false;
  SkippedData skipped;

  std::int32_t headerCount() const { return static_cast<std::int32_t>(headers.size()); }
  // Data rows, without the header row.
  std::int32_t dataRows() const { return rowsFound > 0 ? rowsFound - 1 : 0; }
};

}  // namespace quillmere::source
