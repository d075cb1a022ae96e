#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "source/CellFormats.h"
#include "source/ReadLimits.h"
#include "source/Workbook.h"
#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/XlsxSharedStringsLoader.h"
#include "source/xlsx/XlsxSheetReader.h"
#include "source/xlsx/ZipArchive.h"

namespace quillmere::source::xlsx {

// An open .xlsx or .xlsm package: the archive, its shared strings (loading on a thread of
// their own), its cell formats and a cursor over one of its worksheets, which inflates on a
// thread of its own ahead of the parse.
class XlsxWorkbook : public Workbook {
 public:
  struct ChosenSheet {
    std::string partName;
    std::uint64_t entry = 0;
    bool date1904 = false;
  };

  // `stringsPart` is the shared-string part, when the workbook has one.
  XlsxWorkbook(std::unique_ptr<ZipArchive> archive, std::optional<ZipPartOpener> stringsPart,
               std::unique_ptr<CellFormats> formats, const ChosenSheet& sheet,
               const ReadLimits& limits);

  SheetReader& sheet() override { return sheet_; }

 private:
  // Destroyed bottom up: the threads stop before what they use goes.
  std::unique_ptr<ZipArchive> archive_;
  XlsxSharedStrings strings_;
  std::unique_ptr<XlsxSharedStringsLoader> loader_;
  std::unique_ptr<CellFormats> formats_;
  XlsxSheetReader sheet_;
};

// Opens the package at `path`: finds the worksheet at `sheet` in tab order (the first
// worksheet for kFirstWorksheet), reads its styles and starts loading
// its shared strings. Throws WorkbookError naming the file.
std::unique_ptr<Workbook> openXlsxWorkbook(const std::filesystem::path& path,
                                           const ReadLimits& limits, std::size_t sheet);
// The same for a package already opened, as openWorkbook opens it to tell its kind.
std::unique_ptr<Workbook> openXlsxWorkbook(std::unique_ptr<ZipArchive> archive,
                                           const ReadLimits& limits, std::size_t sheet);

}  // namespace quillmere::source::xlsx
