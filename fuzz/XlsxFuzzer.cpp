// Two kinds of input. A zip archive goes whole through openWorkbook and the first sheet's row
// cursor. Anything else is one XML part: the first byte picks the chunk size it is parsed in,
// and the rest goes through the shared-string, workbook, relationships, styles and worksheet
// parsers, the worksheet's numbers shown through the styles read.
// Anything but a WorkbookError is a fault.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/ScratchFile.h"
#include "fuzz/WorkbookReading.h"
#include "source/CellTextForm.h"
#include "source/DisplayedText.h"
#include "source/WorkbookError.h"
#include "source/xlsx/MemoryPartSource.h"
#include "source/xlsx/Relationships.h"
#include "source/xlsx/WorkbookPart.h"
#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/XlsxSheetReader.h"
#include "source/xlsx/XlsxStyles.h"
#include "source/xlsx/XmlStream.h"

namespace {

using namespace quillmere::source;
using namespace quillmere::source::xlsx;

void parsePart(const std::string& xml, XmlHandler& handler, std::size_t chunk) {
  try {
    XmlStream stream("fuzz.xlsx", "xl/part.xml", handler, chunk);
    stream.reset(std::make_unique<MemoryPartSource>(xml));
    stream.parseAll();
  } catch (const WorkbookError&) {
  }
}

void readSheet(const std::string& xml, const XlsxSharedStrings& strings, const CellFormats& formats,
               std::size_t chunk, const ReadLimits& limits) {
  XlsxSheetReader sheet(
      "fuzz.xlsx", "xl/worksheets/sheet1.xml",
      [&xml] { return std::make_unique<MemoryPartSource>(xml); }, strings, limits, false, chunk);
  sheet.setCellFormats(formats);
  std::string text;
  for (int pass = 0; pass < 2; ++pass) {
    try {
      while (sheet.nextRow()) {
        for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
          text.clear();
          appendTextForm(text, sheet.cell(c));
          text.clear();
          appendDisplayedText(text, sheet.cell(c), sheet.cellFormats());
        }
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
    static quillmere::fuzz::ScratchFile scratch(".xlsx");
    quillmere::fuzz::readEveryCell(scratch.write(data, size), limits);
    return 0;
  }

  const std::size_t chunk = 1 + data[0] % 64;
  const std::string xml(reinterpret_cast<const char*>(data + 1), size - 1);
  ReadLimits small = limits;
  small.maxCellTextBytes = 256;
  small.maxRowTextBytes = 1024;
  small.maxSharedStringBytes = 4096;

  XlsxSharedStrings strings(small);
  parsePart(xml, strings, chunk);
  WorkbookPart workbook;
  parsePart(xml, workbook, chunk);
  Relationships relationships("xl/workbook.xml");
  parsePart(xml, relationships, chunk);
  XlsxStyles styles;
  parsePart(xml, styles, chunk);
  const CellFormats formats = styles.take(data[0] >= 128);
  readSheet(xml, strings, formats, chunk, small);
  return 0;
}
