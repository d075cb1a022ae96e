#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ContactField.h"
#include "core/ContactValues.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "source/SheetReader.h"
#include "source/load/SheetTable.h"

namespace quillmere::core {

// Moves `sheet` on to the next data row the load counted: a row from 2 to the last counted
// one with text in a header column. False when there is none left.
bool nextDataRow(source::SheetReader& sheet, const source::SheetTable& table);

// Walks the data rows of a job's sheet: those the load counted, or, for rows not counted,
// the non-empty rows from 2 up to the fifth consecutive empty row, the load's own rule.
class DataRowWalk {
 public:
  explicit DataRowWalk(const ExportJob& job) : job_(job) {}
  bool next(source::SheetReader& sheet);

 private:
  const ExportJob& job_;
  std::uint32_t previousRow_ = 1;
  std::uint32_t emptyRun_ = 0;
};

// Reads one data row into contact values, the one way the export run and the card preview
// both read a row: the mapped columns in column order, a later column overwriting an earlier
// one mapped to the same field when it has text, Title and error cells contributing nothing,
// number cells as their text form or, when the options say so, as the sheet displays them,
// and the empty e-mail rule.
class ContactRowReader {
 public:
  explicit ContactRowReader(const ExportJob& job);

  // Fills `values` from the current row of `sheet`. True when the empty e-mail rule drops
  // the row: an e-mail cell holds only spaces and `options` does not allow that (asked at
  // that test). A dropped row's values hold what was read before the e-mail cell. Whether
  // numbers are taken as shown is asked once, before the first cell.
  bool read(const source::SheetReader& sheet, ExportOptions& options, ContactValues& values);

  // Whether the last read took numbers as shown.
  bool readAsShown() const { return asShown_; }

 private:
  std::vector<std::optional<Field>> fieldOf_;
  char decimalSeparator_;
  bool asShown_ = false;
  std::string text_;
};

}  // namespace quillmere::core
