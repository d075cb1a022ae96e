#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/ContactField.h"
#include "core/ContactValues.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "source/SheetReader.h"

namespace quillmere::core {

// Reads one data row into contact values, the one way the export run and the card preview
// both read a row: the mapped columns in column order, a later column overwriting an earlier
// one mapped to the same field when it has text, Title and error cells contributing nothing,
// number cells as their text form or, when the options say so, as the sheet displays them,
// and the empty e-mail rule. With More Fields, dates come from day numbers and ISO text;
// with a phone country, phone numbers are taken as shown and put in international form.
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
};

}  // namespace quillmere::core
