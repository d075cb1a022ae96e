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

namespace quillmere::core {

// A phone cell read as shown and not yet put in international form: its field and column.
struct PhoneCell {
  Field field;
  std::uint32_t column;
};

// Reads one data row into contact values, the one way the export run and the card preview
// both read a row: the mapped columns in column order, a later column overwriting an earlier
// one mapped to the same field when it has text, error cells contributing nothing,
// number cells as their text form or, when the options say so, as the sheet displays them,
// and the empty e-mail rule. With More Fields, dates come from day numbers, ISO text and the
// forms address books write, a column's "3/4/1985" read in the order its other dates show,
// else the desktop's; a Google numbered phone or address column goes, row by row, to the
// field its group's Type cell names (else the one it is paired with); with a phone country, phone
// numbers are taken as shown and put in international form.
class ContactRowReader {
 public:
  explicit ContactRowReader(const ExportJob& job);

  // Fills `values` from the current row of `sheet`. True when the empty e-mail rule drops
  // the row: an e-mail cell holds only spaces and `options` does not allow that (asked at
  // that test). A dropped row's values hold what was read before the e-mail cell. Whether
  // numbers are taken as shown is asked once, before the first cell.
  bool read(const source::SheetReader& sheet, ExportOptions& options, ContactValues& values);

  // read() in two halves, so that the second, which needs no cursor, can run apart from it:
  // readCells() copies the cells and applies the empty e-mail rule, leaving phone numbers as
  // shown and listed in `phones`; finishRow() puts those in international form and, for a row
  // not dropped, spreads the cells that hold several values. `country` and `moreFields` must
  // be what the options answered to readCells().
  bool readCells(const source::SheetReader& sheet, ExportOptions& options, ContactValues& values,
                 std::vector<PhoneCell>& phones);
  static void finishRow(const std::vector<PhoneCell>& phones, const std::string& country,
                        bool moreFields, bool dropped, ContactValues& values);

  // Whether the last read took numbers as shown.
  bool readAsShown() const { return asShown_; }

 private:
  // A Google numbered column whose group's Type column says, row by row, which field of its
  // kind the cell goes to.
  struct TypedColumn {
    std::uint32_t typeColumn;
    bool address;
  };

  void findTypeColumns(const ExportJob& job);
  // Reads one cell into `field`, beside what an earlier column put there when
  // `besideEarlier`; true when the empty e-mail rule drops the row.
  bool readValue(const source::CellValue& cell, const source::CellFormats& formats, Field field,
                 std::uint32_t at, bool besideEarlier, ExportOptions& options,
                 ContactValues& values, std::vector<PhoneCell>& phones);
  void readTyped(const source::SheetReader& sheet, const TypedColumn& typed, Field paired,
                 std::uint32_t at, ExportOptions& options, ContactValues& values,
                 std::vector<PhoneCell>& phones);

  std::vector<std::optional<Field>> fieldOf_;
  std::vector<std::optional<TypedColumn>> typedBy_;  // by column
  std::vector<DateColumn> dateColumns_;              // the job's, by column
  char decimalSeparator_;
  bool asShown_ = false;
  // What the options answered to the last readCells().
  bool moreFields_ = false;
  std::string country_;
  std::vector<PhoneCell> phones_;  // read()'s, kept for their capacity
};

}  // namespace quillmere::core
