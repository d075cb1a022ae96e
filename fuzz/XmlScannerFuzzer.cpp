// The hand-written XML scanner against expat, on the same bytes: the first byte picks the
// chunk size, the rest is one XML part. Three handlers read it both ways: one that records
// every event, the worksheet rows, and the shared-string table. The scanner may give up
// (expat then reads the part again) but must never hand on anything expat would not: the
// events it gave before giving up must begin expat's, and the rows, strings and errors must
// be the same. Any difference aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "source/CellTextForm.h"
#include "source/WorkbookError.h"
#include "source/xlsx/MemoryPartSource.h"
#include "source/xlsx/SheetRowParser.h"
#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/XmlStream.h"

namespace {

using namespace quillmere::source;
using namespace quillmere::source::xlsx;

// Every event as text; text pieces are joined, as their splitting carries no meaning.
class Recorder : public XmlHandler {
 public:
  void startElement(std::string_view name, const char** attributes) override {
    log += "<";
    log += name;
    for (const char** a = attributes; *a != nullptr; a += 2) {
      log += " ";
      escaped(a[0]);
      log += "=\"";
      escaped(a[1]);
      log += "\"";
    }
    log += ">";
  }
  void endElement(std::string_view name) override {
    log += "</";
    log += name;
    log += ">";
  }
  void text(std::string_view data) override { escaped(data); }
  void beginReplay() override {
    given = std::move(log);
    log.clear();
    replayed = true;
  }

  std::string log;
  std::string given;  // what the scanner gave before it gave up
  bool replayed = false;

 private:
  void escaped(std::string_view data) {
    for (char c : data) {
      if (c == '<' || c == '>' || c == '&' || c == '"' || c == '\\') log += '\\';
      log += c;
    }
  }
};

[[noreturn]] void differ(const char* what, const std::string& expat, const std::string& scanner) {
  std::fprintf(stderr, "%s differ\nexpat:   %s\nscanner: %s\n", what, expat.c_str(),
               scanner.c_str());
  std::abort();
}

std::string failure(const WorkbookError& e) {
  return "error " + std::to_string(static_cast<int>(e.kind())) + " " + e.what();
}

void compareEvents(const std::string& xml, std::size_t chunk) {
  Recorder expat, scanned;
  std::string expatEnd = "end", scannedEnd = "end";
  try {
    XmlStream stream("fuzz.xlsx", "xl/part.xml", expat, chunk);
    stream.reset(std::make_unique<MemoryPartSource>(xml));
    stream.parseAll();
  } catch (const WorkbookError& e) {
    expatEnd = failure(e);
  }
  try {
    XmlStream stream("fuzz.xlsx", "xl/part.xml", scanned, chunk);
    stream.reset([&xml] { return std::make_unique<MemoryPartSource>(xml); });
    stream.parseAll();
  } catch (const WorkbookError& e) {
    scannedEnd = failure(e);
  }
  if (scanned.log + scannedEnd != expat.log + expatEnd) {
    differ("events", expat.log + expatEnd, scanned.log + scannedEnd);
  }
  if (scanned.replayed && expat.log.compare(0, scanned.given.size(), scanned.given) != 0) {
    differ("events before giving up", expat.log, scanned.given);
  }
}

// The rows as a reader hands them on, and how the part ends.
std::string rows(const std::string& xml, std::size_t chunk, bool scanner,
                 const XlsxSharedStrings& strings, const ReadLimits& limits) {
  SheetRowParser parser(strings, limits, false);
  XmlStream stream("fuzz.xlsx", "xl/worksheets/sheet1.xml", parser, chunk);
  if (scanner) {
    stream.reset([&xml] { return std::make_unique<MemoryPartSource>(xml); });
  } else {
    stream.reset(std::make_unique<MemoryPartSource>(xml));
  }
  std::string out;
  try {
    while (stream.parse()) {
      out += std::to_string(parser.rowNumber()) + ":";
      for (std::size_t c = 0; c < parser.cellCount(); ++c) {
        const CellValue cell = parser.cell(c);
        out += std::to_string(static_cast<int>(cell.kind)) + "=";
        appendTextForm(out, cell);
        out += "\t";
      }
      out += "\n";
    }
    out += "end";
  } catch (const WorkbookError& e) {
    out += failure(e);
  }
  return out;
}

std::string strings(const std::string& xml, std::size_t chunk, bool scanner,
                    const ReadLimits& limits) {
  XlsxSharedStrings table(limits);
  std::string out;
  try {
    XmlStream stream("fuzz.xlsx", "xl/sharedStrings.xml", table, chunk);
    if (scanner) {
      stream.reset([&xml] { return std::make_unique<MemoryPartSource>(xml); });
    } else {
      stream.reset(std::make_unique<MemoryPartSource>(xml));
    }
    stream.parseAll();
    out = "end";
  } catch (const WorkbookError& e) {
    out = failure(e);
  }
  for (std::size_t i = 0; i < table.size(); ++i) {
    out += "\n";
    out += table.at(i);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t chunk = data[0] < 192 ? 1 + data[0] % 64 : std::size_t{1} << (data[0] % 17);
  const std::string xml(reinterpret_cast<const char*>(data + 1), size - 1);
  ReadLimits limits;
  limits.maxCellTextBytes = 256;
  limits.maxRowTextBytes = 1024;
  limits.maxSharedStringBytes = 4096;

  compareEvents(xml, chunk);

  const std::string expatStrings = strings(xml, chunk, false, limits);
  const std::string scannedStrings = strings(xml, chunk, true, limits);
  if (expatStrings != scannedStrings) differ("shared strings", expatStrings, scannedStrings);

  // Cells of type "s" find these; higher numbers are out of range.
  XlsxSharedStrings table(limits);
  {
    XmlStream stream("fuzz.xlsx", "xl/sharedStrings.xml", table);
    stream.reset(std::make_unique<MemoryPartSource>(
        "<sst><si><t>zero</t></si><si><t>one</t></si><si><t/></si></sst>"));
    stream.parseAll();
  }
  const std::string expatRows = rows(xml, chunk, false, table, limits);
  const std::string scannedRows = rows(xml, chunk, true, table, limits);
  if (expatRows != scannedRows) differ("rows", expatRows, scannedRows);
  return 0;
}
