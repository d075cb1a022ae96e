#include "source/DisplayedText.h"

#include "source/CellTextForm.h"

namespace quillmere::source {

void appendDisplayedText(std::string& out, const CellValue& cell, const CellFormats& formats,
                         char decimalSeparator) {
  if (cell.kind == CellKind::Number) {
    // The text the spreadsheet showed, where the file keeps it (.ods).
    if (!cell.text.empty()) {
      out += cell.text;
      return;
    }
    const numfmt::NumberFormat& format = formats.numberFormat(cell.style);
    if (!format.isGeneral()) {
      out += format.display(cell.number, formats.date1904());
      return;
    }
  }
  appendTextForm(out, cell, decimalSeparator);
}

std::string displayedText(const CellValue& cell, const CellFormats& formats,
                          char decimalSeparator) {
  std::string out;
  appendDisplayedText(out, cell, formats, decimalSeparator);
  return out;
}

}  // namespace quillmere::source
