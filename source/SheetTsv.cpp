#include "source/SheetTsv.h"

#include <string>

#include "source/CellTextForm.h"

namespace quillmere::source {

namespace {

void appendEscaped(std::string& out, const std::string& text) {
  for (const char c : text) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
}

}  // namespace

void writeSheetTsv(SheetReader& sheet, std::ostream& out) {
  std::string line;
  std::string cell;
  std::uint32_t lastWritten = 0;
  while (sheet.nextRow()) {
    line.clear();
    std::size_t usedLength = 0;  // the line without its trailing empty cells
    for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
      if (c > 0) line += '\t';
      cell = textForm(sheet.cell(c));
      appendEscaped(line, cell);
      if (!cell.empty()) usedLength = line.size();
    }
    if (usedLength == 0) continue;
    line.resize(usedLength);
    for (std::uint32_t r = lastWritten + 1; r < sheet.rowNumber(); ++r)
      out.put('\n');
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.put('\n');
    lastWritten = sheet.rowNumber();
  }
}

}  // namespace quillmere::source
