#pragma once

#include <filesystem>
#include <memory>

#include "source/ReadLimits.h"
#include "source/SheetReader.h"

namespace quillmere::source {

// An open workbook; closing is destruction, and nothing is ever written back.
class Workbook {
 public:
  virtual ~Workbook() = default;
  // The first worksheet in tab order, hidden or not. The reference lives as long as the
  // workbook.
  virtual SheetReader& firstSheet() = 0;
  // Whether the file was read as text of values: a .csv, or a text file under another
  // name, which a user should hear about.
  virtual bool readAsText() const { return false; }
};

// Opens a workbook, telling its format from its first bytes rather than its extension.
// Throws WorkbookError with a message that names the file.
std::unique_ptr<Workbook> openWorkbook(const std::filesystem::path& path,
                                       const ReadLimits& limits = {});

}  // namespace quillmere::source
