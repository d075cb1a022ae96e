#include "source/SheetTsv.h"

#include <string>
#include <string_view>

#include "source/CellTextForm.h"
#include "source/DisplayedText.h"

namespace quillmere::source {

namespace {

// Writes the runs between special characters whole, so a long cell costs a few writes.
void writeEscaped(std::ostream& out, std::string_view text) {
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* escape = nullptr;
    switch (text[i]) {
      case '\t':
        escape = "\\t";
        break;
      case '\n':
        escape = "\\n";
        break;
      case '\r':
        escape = "\\r";
        break;
      case '\\':
        escape = "\\\\";
        break;
      default:
        continue;
    }
    out.write(text.data() + runStart, static_cast<std::streamsize>(i - runStart));
    out.write(escape, 2);
    runStart = i + 1;
  }
  out.write(text.data() + runStart, static_cast<std::streamsize>(text.size() - runStart));
}

}  // namespace

void writeSheetTsv(SheetReader& sheet, std::ostream& out, CellText as, std::uint32_t firstRow) {
  // Each cell is written as soon as it is read, so memory holds one cell's text form, never
  // a whole row. Empty cells are only counted: they cost a tab each once a later cell of the
  // row has text, and nothing when they trail.
  std::string number;
  std::uint32_t lastWritten = firstRow - 1;
  while (sheet.nextRow()) {
    if (sheet.rowNumber() < firstRow) continue;
    bool started = false;
    std::size_t tabsOwed = 0;
    for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
      const CellValue cell = sheet.cell(c);
      std::string_view text = cell.text;
      if (cell.kind == CellKind::Number || cell.kind == CellKind::Boolean) {
        number.clear();
        if (as == CellText::AsShown) {
          appendDisplayedText(number, cell, sheet.cellFormats());
        } else {
          appendTextForm(number, cell);
        }
        text = number;
      }
      if (c > 0) ++tabsOwed;
      if (text.empty()) continue;
      if (!started) {
        for (std::uint32_t r = lastWritten + 1; r < sheet.rowNumber(); ++r)
          out.put('\n');
        started = true;
      }
      for (; tabsOwed > 0; --tabsOwed)
        out.put('\t');
      writeEscaped(out, text);
    }
    if (!started) continue;
    out.put('\n');
    lastWritten = sheet.rowNumber();
  }
}

}  // namespace quillmere::source
