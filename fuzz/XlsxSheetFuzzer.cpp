// Feeds arbitrary bytes to the shared-string and worksheet parsers, in chunks whose size the
// input's first byte picks, and reads every cell. Anything but a WorkbookError is a fault.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "source/WorkbookError.h"
#include "source/xlsx/MemoryPartSource.h"
#include "source/xlsx/SharedStrings.h"
#include "source/xlsx/XlsxSheetReader.h"
#include "source/xlsx/XmlStream.h"

namespace {

using namespace quillmere::source;
using namespace quillmere::source::xlsx;

void readSheet(const std::string& xml, const SharedStrings& strings, std::size_t chunk,
               const ReadLimits& limits) {
  XlsxSheetReader sheet(
      "fuzz.xlsx", "xl/worksheets/sheet1.xml",
      [&xml] { return std::make_unique<MemoryPartSource>(xml); }, strings, limits, false, chunk);
  std::size_t touched = 0;
  for (int pass = 0; pass < 2; ++pass) {
    try {
      while (sheet.nextRow()) {
        for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
          const CellValue cell = sheet.cell(c);
          touched += cell.text.size() + (cell.number != 0.0 ? 1 : 0);
        }
      }
    } catch (const WorkbookError&) {
    }
    sheet.rewind();
  }
  // Keeps the cell reads from being optimised away.
  if (touched == SIZE_MAX) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t chunk = 1 + data[0] % 64;
  const std::string xml(reinterpret_cast<const char*>(data + 1), size - 1);
  ReadLimits limits;
  limits.maxCellTextBytes = 256;
  limits.maxSharedStringBytes = 4096;

  SharedStrings strings(limits);
  try {
    XmlStream stream("fuzz.xlsx", "xl/sharedStrings.xml", strings, chunk);
    stream.reset(std::make_unique<MemoryPartSource>(xml));
    stream.parseAll();
  } catch (const WorkbookError&) {
  }
  readSheet(xml, strings, chunk, limits);
  return 0;
}
