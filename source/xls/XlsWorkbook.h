#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "source/ReadLimits.h"
#include "source/Workbook.h"
#include "source/xls/BiffVersion.h"
#include "source/xls/WorkbookStream.h"
#include "source/xls/XlsSharedStrings.h"
#include "source/xls/XlsSheetReader.h"
#include "source/xls/XlsStyles.h"

namespace quillmere::source::xls {

// A workbook read from its BIFF stream: the workbook globals (code page, sheet list, shared
// strings, number formats) of BIFF5/8, or a BIFF2-4 file that is one worksheet (or a BIFF4
// workbook of them).
class XlsWorkbook : public Workbook {
 public:
  // Throws WorkbookError: Encrypted for a FILEPASS record, NoWorksheet when no sheet is a
  // worksheet, Corrupt for damage.
  XlsWorkbook(const std::filesystem::path& file, WorkbookStream stream, const ReadLimits& limits,
              std::size_t sheet = kFirstWorksheet);

  SheetReader& sheet() override { return *sheet_; }

  BiffVersion version() const { return version_; }

 private:
  // A BOUNDSHEET record: where the sheet's BOF is, and its raw visibility, type and name.
  struct BoundSheet {
    std::size_t offset = 0;
    std::uint8_t visibility = 0;
    std::uint8_t type = 0;
    std::string name;
  };

  // The offset of the BOF record of the worksheet `requested` in tab order (the first one
  // for kFirstWorksheet); lists the sheets.
  std::size_t readGlobals(const ReadLimits& limits, std::size_t requested);
  // Lists the file's one worksheet, at `offset`.
  std::size_t loneSheet(std::size_t requested, std::size_t offset = 0);
  SheetEntry sheetEntry(const BoundSheet& sheet) const;
  std::size_t findWorksheetAfter(std::size_t offset) const;
  // Whether a worksheet's BOF is at `offset`; `listed` when the sheet list calls it one.
  bool isWorksheetAt(std::size_t offset, bool listed) const;
  void checkSheetEnds(std::size_t offset) const;

  std::filesystem::path file_;
  WorkbookStream stream_;
  BiffVersion version_ = BiffVersion::Biff8;
  std::uint16_t codePage_;
  XlsSharedStrings sharedStrings_;
  XlsStyles styles_;
  std::unique_ptr<XlsSheetReader> sheet_;
};

// Opens a compound file's workbook stream, or a BIFF2-4 file that is one bare stream. Throws
// WorkbookError naming the file.
std::unique_ptr<Workbook> openXlsWorkbook(const std::filesystem::path& path,
                                          const ReadLimits& limits, std::size_t sheet);

}  // namespace quillmere::source::xls
