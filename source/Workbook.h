#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "source/ReadLimits.h"
#include "source/SheetList.h"
#include "source/SheetReader.h"

namespace quillmere::source {

// An open workbook; closing is destruction, and nothing is ever written back.
class Workbook {
 public:
  virtual ~Workbook() = default;
  // The worksheet chosen when the workbook was opened (the first one in tab order unless
  // another was asked for), hidden or not. The reference lives as long as the workbook.
  virtual SheetReader& sheet() = 0;
  // Whether the file was read as text of values: a .csv, or a text file under another
  // name, which a user should hear about.
  virtual bool readAsText() const { return false; }

  // Every sheet in tab order, charts and macro sheets included.
  const std::vector<SheetEntry>& sheets() const { return sheets_; }
  // Where sheet() stands in sheets().
  std::size_t sheetIndex() const { return sheetIndex_; }
  // Set once by the function that opens the workbook.
  void listSheets(std::vector<SheetEntry> sheets, std::size_t chosen) {
    sheets_ = std::move(sheets);
    sheetIndex_ = chosen;
  }

 private:
  std::vector<SheetEntry> sheets_;
  std::size_t sheetIndex_ = 0;
};

// Opens a workbook, telling its format from its first bytes rather than its extension, on
// the sheet at `sheet` in tab order. Throws WorkbookError with a message that names the file,
// also when that sheet is not a worksheet or not there.
std::unique_ptr<Workbook> openWorkbook(const std::filesystem::path& path,
                                       const ReadLimits& limits = {},
                                       std::size_t sheet = kFirstWorksheet);

}  // namespace quillmere::source
