#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "source/numfmt/FormatSection.h"

namespace quillmere::source::numfmt {

// A spreadsheet number format code ("0000 0000000", "#,##0.00;(#,##0.00)", "d mmmm yyyy"),
// parsed once and applied to many cells: display() gives the text the spreadsheet shows for a
// number, in English and with '.' for decimals and ',' for thousands whatever the locale.
//
// A code it cannot read, "General" and an empty code give the number's plain text form
// (formatNumber). So do numbers no section can show: a negative date, a date after
// 31 December 9999, a fraction of 1E+11 or more, a number no condition takes. Where a
// spreadsheet fills a cell with '#' for these, the text form keeps the value.
// A negative number rounding to zero keeps its sign: -0.4 under "0" shows "-0".
// "*x" (repeat x to fill the cell) writes nothing, since no column width is known here;
// "_x" writes one space.
class NumberFormat {
 public:
  // Never throws for any input; a code it cannot read behaves as General.
  static NumberFormat parse(std::string_view code);

  std::string display(double value, bool date1904) const;
  // The text of a text cell through the code's text section ("@"), unchanged without one.
  std::string displayText(std::string_view text) const;

  // True when display() gives the plain text form for every number: General, an empty code,
  // a code with a text section alone, or a code it cannot read.
  bool isGeneral() const { return sections_.empty(); }

 private:
  std::vector<FormatSection> sections_;  // the number sections, one to three
  std::optional<FormatSection> textSection_;
};

}  // namespace quillmere::source::numfmt
