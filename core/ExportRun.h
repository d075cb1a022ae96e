#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "core/ContactField.h"
#include "core/ExportObserver.h"
#include "core/ExportOptions.h"
#include "core/ExportReport.h"
#include "core/RecordSink.h"
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
};

// The workbook no longer is the one that was loaded; nothing was written.
class WorkbookChanged : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Turns every data row the load counted, in sheet order, into a vCard record in the sink.
// Reads `sheet` from its start; throws WorkbookChanged before anything is written when its
// header row differs from the loaded one. A record that cannot be stored does not stop the
// run; the report says which and why.
ExportReport exportContacts(source::SheetReader& sheet, const ExportJob& job,
                            ExportOptions& options, RecordSink& sink, ExportObserver& observer);

}  // namespace quillmere::core
