#pragma once

#include <memory>

#include "source/CellFormats.h"
#include "source/Workbook.h"
#include "source/xlsx/SharedStrings.h"
#include "source/xlsx/XlsxSheetReader.h"
#include "source/xlsx/ZipArchive.h"

namespace quillmere::source::xlsx {

// An open .xlsx or .xlsm package: the archive, its shared strings, its cell formats and a
// cursor over its first worksheet, which borrows the other three.
class XlsxBook : public Workbook {
 public:
  struct FirstSheet {
    std::string partName;
    std::uint64_t entry = 0;
    bool date1904 = false;
  };

  XlsxBook(std::unique_ptr<ZipArchive> archive, std::unique_ptr<SharedStrings> strings,
           std::unique_ptr<CellFormats> formats, const FirstSheet& sheet, const ReadLimits& limits);

  WorkbookFormat format() const override { return WorkbookFormat::Xlsx; }
  SheetReader& firstSheet() override { return sheet_; }

 private:
  std::unique_ptr<ZipArchive> archive_;
  std::unique_ptr<SharedStrings> strings_;
  std::unique_ptr<CellFormats> formats_;
  XlsxSheetReader sheet_;
};

}  // namespace quillmere::source::xlsx
