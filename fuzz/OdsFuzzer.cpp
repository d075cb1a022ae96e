// Two kinds of input. A zip archive goes whole through openWorkbook and the first sheet's row
// cursor, as an .ods. Anything else is one content part: the first byte picks the chunk size
// it is parsed in and which table is read, and the rest goes through the list of tables, the
// row cursor over that table (every cell's text form and shown text, twice with a rewind), and
// whole, saved as a file, through openWorkbook as a flat .fods.
// Anything but a WorkbookError is a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/ScratchFile.h"
#include "fuzz/WorkbookReading.h"
#include "source/CellTextForm.h"
#include "source/DisplayedText.h"
#include "source/WorkbookError.h"
#include "source/ods/OdsSheetList.h"
#include "source/ods/OdsSheetReader.h"
#include "source/xlsx/MemoryPartSource.h"
#include "source/xlsx/XmlStream.h"

namespace {

using namespace quillmere::source;

void listTables(const std::string& xml, std::size_t chunk) {
  ods::OdsSheetList list;
  try {
    xlsx::XmlStream stream("fuzz.ods", "content.xml", list, chunk);
    stream.reset([&xml] { return std::make_unique<xlsx::MemoryPartSource>(xml); });
    stream.parseAll();
  } catch (const WorkbookError&) {
  }
}

void readTable(const std::string& xml, std::size_t table, std::size_t chunk,
               const ReadLimits& limits) {
  ods::OdsSheetReader sheet(
      "fuzz.ods", "content.xml", [&xml] { return std::make_unique<xlsx::MemoryPartSource>(xml); },
      table, limits, chunk);
  std::string text;
  for (int pass = 0; pass < 2; ++pass) {
    std::uint32_t previousRow = 0;
    try {
      while (sheet.nextRow()) {
        // Rows come in increasing order, and inside the grid, repeats and all.
        if (sheet.rowNumber() <= previousRow || sheet.rowNumber() > sheet.gridRows()) std::abort();
        previousRow = sheet.rowNumber();
        for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
          text.clear();
          appendTextForm(text, sheet.cell(c));
          if (text.size() > limits.maxCellTextBytes) std::abort();
          text.clear();
          appendDisplayedText(text, sheet.cell(c), sheet.cellFormats());
        }
        if (sheet.cell(sheet.cellCount()).kind != CellKind::Empty) std::abort();
      }
    } catch (const WorkbookError&) {
    }
    sheet.rewind();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const ReadLimits limits = quillmere::fuzz::fuzzLimits();
  if (size >= 4 && std::memcmp(data, "PK\x03\x04", 4) == 0) {
    static quillmere::fuzz::ScratchFile scratch(".ods");
    quillmere::fuzz::readEveryCell(scratch.write(data, size), limits);
    return 0;
  }
  const std::size_t chunk = 1 + data[0] % 64;
  const std::size_t table = data[0] >> 6 & 1;
  const std::string xml(reinterpret_cast<const char*>(data + 1), size - 1);
  listTables(xml, chunk);
  readTable(xml, table, chunk, limits);
  static quillmere::fuzz::ScratchFile flat(".fods");
  quillmere::fuzz::readEveryCell(flat.write(data + 1, size - 1), limits);
  return 0;
}
