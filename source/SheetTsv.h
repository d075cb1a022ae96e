#pragma once

#include <ostream>

#include "source/SheetReader.h"

namespace quillmere::source {

// What a cell is written as: its text form, or the text the spreadsheet displays for it.
enum class CellText { TextForm, AsShown };

// Writes the sheet's text forms (or displayed texts) as tab-separated lines, line N for row N:
// empty rows stay as empty lines, trailing empty cells and rows are left out, and TAB, LF, CR
// and "\" inside a cell are written \t, \n, \r and \\.
void writeSheetTsv(SheetReader& sheet, std::ostream& out, CellText as = CellText::TextForm);

}  // namespace quillmere::source
