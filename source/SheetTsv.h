#pragma once

#include <cstdint>
#include <ostream>

#include "source/SheetReader.h"

namespace quillmere::source {

// What a cell is written as: its text form, or the text the spreadsheet displays for it.
enum class CellText { TextForm, AsShown };

// Writes the sheet's text forms (or displayed texts) as tab-separated lines from row
// `firstRow` on, line N for row firstRow + N - 1: empty rows stay as empty lines, trailing
// empty cells and rows are left out, and TAB, LF, CR and "\" inside a cell are written \t,
// \n, \r and \\.
void writeSheetTsv(SheetReader& sheet, std::ostream& out, CellText as = CellText::TextForm,
                   std::uint32_t firstRow = 1);

}  // namespace quillmere::source
