#pragma once

#include <string>

#include "source/CellFormats.h"
#include "source/CellValue.h"

namespace quillmere::source {

// The text the spreadsheet shows for a cell: the text a file keeps beside a number (.ods), else
// a number through its style's number format in the workbook's date system ("0151 2345678" for
// 1512345678 under "0000 0000000", "31 March 1985" for 31137 under "d mmmm yyyy"). A number in
// General, one whose code the formatter cannot read, and every other cell give their text form
// unchanged (textForm), with `decimalSeparator`; formatted numbers always use '.' and ',' as the
// formatter writes them.
std::string displayedText(const CellValue& cell, const CellFormats& formats,
                          char decimalSeparator = '.');

// Appends the displayed text, for hot loops that reuse one buffer.
void appendDisplayedText(std::string& out, const CellValue& cell, const CellFormats& formats,
                         char decimalSeparator = '.');

}  // namespace quillmere::source
