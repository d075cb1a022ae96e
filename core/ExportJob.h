#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ContactField.h"
#include "source/SheetReader.h"
#include "source/load/SheetTable.h"

namespace quillmere::core {

// A column (counted from 0) and the field its values fill.
struct MappedColumn {
  std::uint32_t column = 0;
  Field field = Field::FirstName;
};

// What a run turns into records: the sheet as it was loaded, and which columns fill which
// fields. Columns mapped alike fill their field from the right-most non-empty one.
struct ExportJob {
  const source::SheetTable& table;
  std::vector<MappedColumn> columns;
  char decimalSeparator = '.';
  // False when the table holds only the header columns: the run then finds the data rows
  // itself, by the load's own rule, in its one pass over the sheet.
  bool rowsCounted = true;
};

// The workbook no longer is the one that was loaded; nothing was written.
class WorkbookChanged : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads row 1 of `sheet`, which must be at its start, and throws WorkbookChanged when its
// header columns are not the ones the job's table was loaded with.
void checkHeaderRow(source::SheetReader& sheet, const ExportJob& job);

// The message for a sheet that ended before the rows the load counted.
std::string fewerRowsMessage(const source::SheetTable& table);

}  // namespace quillmere::core
