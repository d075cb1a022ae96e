#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "source/ReadLimits.h"
#include "source/Workbook.h"
#include "source/xls/BiffSheetReader.h"
#include "source/xls/BiffVersion.h"
#include "source/xls/SharedStringTable.h"
#include "source/xls/StyleRecords.h"
#include "source/xls/WorkbookStream.h"

namespace quillmere::source::xls {

// A workbook read from its BIFF stream: the workbook globals (code page, sheet list, shared
// strings, number formats) of BIFF5/8, or a BIFF2-4 file that is one worksheet (or a BIFF4
// workbook of them).
class BiffWorkbook : public Workbook {
 public:
  // Throws WorkbookError: Encrypted for a FILEPASS record, NoWorksheet when no sheet is a
  // worksheet, Corrupt for damage.
  BiffWorkbook(const std::filesystem::path& file, WorkbookStream stream, const ReadLimits& limits);

  SheetReader& firstSheet() override { return *sheet_; }

  BiffVersion version() const { return version_; }

 private:
  // The offset of the first worksheet's BOF record.
  std::size_t readGlobals(const ReadLimits& limits);
  std::size_t findWorksheetAfter(std::size_t offset) const;
  // Whether a worksheet's BOF is at `offset`; `listed` when the sheet list calls it one.
  bool isWorksheetAt(std::size_t offset, bool listed) const;
  void checkSheetEnds(std::size_t offset) const;

  std::filesystem::path file_;
  WorkbookStream stream_;
  BiffVersion version_ = BiffVersion::Biff8;
  std::uint16_t codePage_;
  SharedStringTable sharedStrings_;
  StyleRecords styles_;
  std::unique_ptr<BiffSheetReader> sheet_;
};

}  // namespace quillmere::source::xls
