// Prints the first worksheet of a workbook as tab-separated text forms, one row a line.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "source/CellTextForm.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"

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

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: sheetdump FILE\n";
    return 2;
  }
  using namespace quillmere::source;
  try {
    auto workbook = openWorkbook(argv[1]);
    SheetReader& sheet = workbook->firstSheet();
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
        std::fputc('\n', stdout);
      std::fwrite(line.data(), 1, line.size(), stdout);
      std::fputc('\n', stdout);
      lastWritten = sheet.rowNumber();
    }
    if (std::fflush(stdout) != 0) {
      std::cerr << "sheetdump: could not write the output\n";
      return 2;
    }
    return 0;
  } catch (const WorkbookError& e) {
    std::cerr << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << '\n';
    return 2;
  }
}
