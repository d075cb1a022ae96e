#pragma once

#include <ostream>

#include "source/SheetReader.h"

namespace quillmere::source {

// Writes the sheet's text forms as tab-separated lines, line N for row N: empty rows stay
// as empty lines, trailing empty cells and rows are left out, and TAB, LF, CR and "\" inside
// a cell are written \t, \n, \r and \\.
void writeSheetTsv(SheetReader& sheet, std::ostream& out);

}  // namespace quillmere::source
