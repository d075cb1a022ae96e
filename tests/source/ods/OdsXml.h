#pragma once

#include <cstddef>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "source/ReadLimits.h"
#include "source/SheetTsv.h"
#include "source/ods/OdsSheetReader.h"
#include "source/xlsx/MemoryPartSource.h"

namespace quillmere::source::ods::testing {

// A content part around the given automatic styles and tables, with the namespaces
// LibreOffice declares for them.
inline std::string contentXml(std::string_view tables, std::string_view styles = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content "
         "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
         "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
         "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\" "
         "office:version=\"1.3\"><office:automatic-styles>" +
         std::string(styles) + "</office:automatic-styles><office:body><office:spreadsheet>" +
         std::string(tables) + "</office:spreadsheet></office:body></office:document-content>";
}

// One table of the given rows.
inline std::string oneTable(std::string_view rows) {
  return contentXml("<table:table table:name=\"Contacts\">" + std::string(rows) + "</table:table>");
}

// A cursor over the first table of a content part held in memory, parsed `chunkBytes` at a
// time.
inline std::unique_ptr<OdsSheetReader> sheetReader(const std::string& xml,
                                                   std::size_t chunkBytes = 65536,
                                                   const ReadLimits& limits = {},
                                                   std::size_t table = 0) {
  return std::make_unique<OdsSheetReader>(
      "contacts.ods", "content.xml",
      [xml] { return std::make_unique<xlsx::MemoryPartSource>(xml); }, table, limits, chunkBytes);
}

inline std::string tsv(SheetReader& sheet, CellText as = CellText::TextForm) {
  std::ostringstream out;
  writeSheetTsv(sheet, out, as);
  return out.str();
}

}  // namespace quillmere::source::ods::testing
