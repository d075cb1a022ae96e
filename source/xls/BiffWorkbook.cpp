#include "source/xls/BiffWorkbook.h"

#include <vector>

#include "source/WorkbookError.h"
#include "source/xls/BiffRecordCursor.h"
#include "source/xls/LittleEndian.h"
#include "source/xls/RecordType.h"
#include "source/xls/TextDecoder.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {

constexpr std::size_t kBofBytes = 4;  // version, sub-stream kind
constexpr std::uint16_t kBiff8Version = 0x0600;
constexpr std::size_t kBoundSheetBytes = 6;
constexpr std::uint8_t kWorksheetSheet = 0;
constexpr std::size_t kNoSheet = static_cast<std::size_t>(-1);

[[noreturn]] void throwNoWorksheet(const std::filesystem::path& file) {
  throw WorkbookError(WorkbookError::Kind::NoWorksheet, file,
                      "has no worksheet, only charts or macros: there are no rows to read.");
}

}  // namespace

BiffWorkbook::BiffWorkbook(const std::filesystem::path& file, std::string stream,
                           const ReadLimits& limits)
    : file_(file), stream_(std::move(stream)), codePage_(TextDecoder::kDefaultCodePage) {
  const std::size_t sheetStart = readGlobals(limits);
  sheet_ = std::make_unique<BiffSheetReader>(file_, stream_, sheetStart, version_, codePage_,
                                             sharedStrings_, limits);
}

bool BiffWorkbook::isWorksheetAt(std::size_t offset) const {
  if (offset >= stream_.size()) return false;
  BiffRecordCursor cursor(file_, stream_, offset);
  BiffRecord bof;
  return cursor.next(bof) && record::isBof(bof.type) && bof.data.size() >= kBofBytes &&
         u16At(bof.data, 2) == record::kWorksheetStream;
}

std::size_t BiffWorkbook::findWorksheetAfter(std::size_t offset) const {
  BiffRecordCursor cursor(file_, stream_, offset);
  BiffRecord record;
  while (cursor.next(record)) {
    if (record::isBof(record.type) && isWorksheetAt(record.offset)) return record.offset;
  }
  return kNoSheet;
}

std::size_t BiffWorkbook::readGlobals(const ReadLimits& limits) {
  BiffRecordCursor cursor(file_, stream_, 0);
  BiffRecord bof;
  if (!cursor.next(bof) || !record::isBof(bof.type) || bof.data.size() < kBofBytes) {
    throwDamaged(file_, "its workbook data does not start like a workbook");
  }
  switch (bof.type) {
    case record::kBof2:
      version_ = BiffVersion::Biff2;
      break;
    case record::kBof3:
      version_ = BiffVersion::Biff3;
      break;
    case record::kBof4:
      version_ = BiffVersion::Biff4;
      break;
    default:
      version_ = u16At(bof.data, 0) >= kBiff8Version ? BiffVersion::Biff8 : BiffVersion::Biff5;
  }
  const std::uint16_t kind = u16At(bof.data, 2);
  if (kind == record::kWorksheetStream) return 0;
  if (kind != record::kGlobalsStream && kind != record::kWorkspaceStream) throwNoWorksheet(file_);

  std::vector<std::size_t> worksheets;  // in tab order
  BiffRecord record;
  std::size_t globalsEnd = stream_.size();
  while (cursor.next(record)) {
    if (record.type == record::kEof) {
      globalsEnd = cursor.offset();
      break;
    }
    if (record::isBof(record.type)) {
      // BIFF4 workbooks keep their sheets inside the globals.
      globalsEnd = record.offset;
      break;
    }
    switch (record.type) {
      case record::kFilePass:
        throwEncrypted(file_);
      case record::kCodePage:
        if (record.data.size() >= 2) codePage_ = u16At(record.data, 0);
        break;
      case record::kBoundSheet:
        if (record.data.size() >= kBoundSheetBytes && byteAt(record.data, 5) == kWorksheetSheet) {
          worksheets.push_back(u32At(record.data, 0));
        }
        break;
      case record::kSst: {
        std::vector<std::string_view> fragments{record.data};
        cursor.takeContinues(fragments);
        sharedStrings_ = SharedStringTable(file_, std::move(fragments), limits);
        break;
      }
      default:
        break;
    }
  }
  for (const std::size_t offset : worksheets) {
    if (isWorksheetAt(offset)) return offset;
  }
  // A sheet list that points nowhere useful: the sheets themselves follow the globals.
  const std::size_t found = findWorksheetAfter(globalsEnd);
  if (found == kNoSheet) {
    if (!worksheets.empty()) throwDamaged(file_, "its list of sheets points to the wrong place");
    throwNoWorksheet(file_);
  }
  return found;
}

}  // namespace quillmere::source::xls
