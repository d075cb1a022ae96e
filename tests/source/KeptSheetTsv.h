#pragma once

#include <filesystem>
#include <limits>
#include <sstream>
#include <string>

#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/load/KeptRows.h"

namespace quillmere::source::test {

// The first sheet of `file` as text, read from its rows kept in memory as a load keeps them
// for the conversion, every column of them.
inline std::string keptSheetTsv(const std::filesystem::path& file, CellText as) {
  auto workbook = openWorkbook(file);
  SheetReader& sheet = workbook->sheet();
  KeptRows kept(std::size_t{1} << 32);
  while (sheet.nextRow())
    kept.keep(sheet, std::numeric_limits<std::size_t>::max());
  if (!kept.whole()) return "the rows were not all kept";
  KeptRowsReader keptSheet(kept, sheet.cellFormats(), sheet.gridRows());
  std::ostringstream out;
  writeSheetTsv(keptSheet, out, as);
  return out.str();
}

}  // namespace quillmere::source::test
