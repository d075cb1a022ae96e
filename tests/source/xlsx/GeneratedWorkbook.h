#pragma once

#include <filesystem>
#include <string>

namespace quillmere::source::xlsx::testing {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes a one-sheet .xlsx with the given worksheet part, deflated, for workbooks too large to
// commit as fixtures. Throws std::runtime_error when libzip cannot write it.
void writeOneSheetWorkbook(const std::filesystem::path& file, const std::string& sheetXml);

// Makes a workbook count its dates from 1904 by adding date1904 to its workbookPr element,
// which libxlsxwriter cannot. Throws std::runtime_error when the part cannot be rewritten.
void setDate1904(const std::filesystem::path& file);

}  // namespace quillmere::source::xlsx::testing
