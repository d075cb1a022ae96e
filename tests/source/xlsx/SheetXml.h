#pragma once

#include <cstddef>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "source/SheetTsv.h"
#include "source/xlsx/MemoryPartSource.h"
#include "source/xlsx/XlsxSheetReader.h"

namespace quillmere::source::xlsx::testing {

inline constexpr const char* kSheetFile = "contacts.xlsx";

// A worksheet part around the given rows.
inline std::string worksheet(std::string_view rows) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
         "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>" +
         std::string(rows) + "</sheetData></worksheet>";
}

// A reader over sheet XML held in memory, parsed `chunkBytes` at a time.
inline std::unique_ptr<XlsxSheetReader> sheetReader(const std::string& xml,
                                                    const XlsxSharedStrings& strings,
                                                    std::size_t chunkBytes = 65536,
                                                    const ReadLimits& limits = {},
                                                    bool date1904 = false) {
  return std::make_unique<XlsxSheetReader>(
      kSheetFile, "xl/worksheets/sheet1.xml",
      [xml] { return std::make_unique<MemoryPartSource>(xml); }, strings, limits, date1904,
      chunkBytes);
}

inline std::string tsv(SheetReader& sheet) {
  std::ostringstream out;
  writeSheetTsv(sheet, out);
  return out.str();
}

}  // namespace quillmere::source::xlsx::testing
