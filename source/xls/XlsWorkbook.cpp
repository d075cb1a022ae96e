#include "source/xls/XlsWorkbook.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "source/InputFile.h"
#include "source/WorkbookError.h"
#include "source/xls/BiffRecordCursor.h"
#include "source/xls/CompoundFile.h"
#include "source/xls/LittleEndian.h"
#include "source/xls/RecordType.h"
#include "source/xls/XlsErrors.h"
#include "source/xls/XlsTextDecoder.h"

namespace quillmere::source::xls {

namespace {

using Kind = WorkbookError::Kind;

constexpr std::size_t kBofVersionBytes = 2;
constexpr std::size_t kBofBytes = 4;  // version, sub-stream kind
constexpr std::size_t kBiff8BofBytes = 16;
constexpr std::uint16_t kBiff5Version = 0x0500;
constexpr std::uint16_t kBiff8Version = 0x0600;
constexpr std::uint16_t kUnicodeCodePage = 1200;
constexpr std::size_t kBoundSheetBytes = 6;
constexpr std::uint8_t kWorksheetSheet = 0;
constexpr std::uint8_t kMacroSheet = 1;
constexpr std::uint8_t kChartSheet = 2;
constexpr std::size_t kNoSheet = static_cast<std::size_t>(-1);

[[noreturn]] void throwNoWorksheet(const std::filesystem::path& file) {
  throw WorkbookError(Kind::NoWorksheet, file,
                      "has no worksheet, only charts or macros: there are no rows to read.");
}

// Sub-stream kinds that a BOF gives to something other than a worksheet.
bool isOtherStreamKind(std::uint16_t kind) {
  return kind == record::kGlobalsStream || kind == record::kVisualBasicStream ||
         kind == record::kChartStream || kind == record::kMacroSheetStream ||
         kind == record::kWorkspaceStream;
}

// The BOF of a BIFF5-8 workbook says 0x0600 for BIFF8 (in 16 bytes) and 0x0500 for BIFF5.
// Writers also put other numbers there, or the 0x0600 that Excel gives the worksheets of a
// BIFF5 file into its globals; then the globals decide: a BIFF8 workbook keeps its text in a
// shared-string table and declares code page 1200.
BiffVersion biff5Or8(std::uint16_t version, std::size_t bofBytes, bool biff8Signs) {
  if (version == kBiff8Version && bofBytes >= kBiff8BofBytes) return BiffVersion::Biff8;
  if (version == kBiff5Version) return BiffVersion::Biff5;
  return biff8Signs ? BiffVersion::Biff8 : BiffVersion::Biff5;
}

// The workbook stream inside a compound file.
WorkbookStream workbookStream(const std::shared_ptr<const InputFile>& file) {
  const CompoundFile container(file);
  if (container.findRootEntry("EncryptionInfo") || container.findRootEntry("EncryptedPackage")) {
    throwEncrypted(file->path());
  }
  // Excel 97 and later write "Workbook"; Excel 5 and 95 wrote "Book". Files that carry
  // both keep the newer one in "Workbook".
  for (const char* name : {"Workbook", "Book"}) {
    if (const CompoundFile::Entry* entry = container.findRootEntry(name)) {
      return container.openStream(*entry);
    }
  }
  throwUnsupported(file->path(), "it holds no workbook; it may be a document of another program");
}

}  // namespace

XlsWorkbook::XlsWorkbook(const std::filesystem::path& file, WorkbookStream stream,
                         const ReadLimits& limits, std::size_t sheet)
    : file_(file), stream_(std::move(stream)), codePage_(XlsTextDecoder::kDefaultCodePage) {
  const std::size_t sheetStart = readGlobals(limits, sheet);
  sheet_ = std::make_unique<XlsSheetReader>(file_, stream_, sheetStart, version_, codePage_,
                                            sharedStrings_, styles_, limits);
}

bool XlsWorkbook::isWorksheetAt(std::size_t offset, bool listed) const {
  if (offset >= stream_.size()) return false;
  BiffRecordCursor cursor(file_, stream_, offset);
  BiffRecord bof;
  if (!cursor.next(bof) || !record::isBof(bof.type)) return false;
  // Some writers leave the kind out or put an odd one there: the sheet list then decides.
  if (bof.data.size() < kBofBytes) return listed;
  const std::uint16_t kind = u16At(bof.data, 2);
  return kind == record::kWorksheetStream || (listed && !isOtherStreamKind(kind));
}

std::size_t XlsWorkbook::findWorksheetAfter(std::size_t offset) const {
  BiffRecordCursor cursor(file_, stream_, offset);
  BiffRecord record;
  while (cursor.next(record)) {
    if (record::isBof(record.type) && isWorksheetAt(record.offset, false)) return record.offset;
  }
  return kNoSheet;
}

void XlsWorkbook::checkSheetEnds(std::size_t offset) const {
  if (offset < stream_.size()) {
    BiffRecordCursor cursor(file_, stream_, offset);
    BiffRecord record;
    int depth = 0;
    while (cursor.next(record)) {
      if (record::isBof(record.type)) {
        ++depth;
      } else if (depth == 0) {
        break;  // the sheet list points at something that is not a sheet
      } else if (record.type == record::kEof && --depth == 0) {
        return;
      }
    }
  }
  throwDataEnds(file_, "the workbook data ends before its last sheet does", stream_.shortfall());
}

std::size_t XlsWorkbook::readGlobals(const ReadLimits& limits, std::size_t requested) {
  BiffRecordCursor cursor(file_, stream_, 0);
  BiffRecord bof;
  if (!cursor.next(bof) || !record::isBof(bof.type) || bof.data.size() < kBofVersionBytes) {
    throwDamaged(file_, "its workbook data does not start like a workbook");
  }
  // The record's data is gone once the cursor moves on.
  const std::uint16_t bofType = bof.type;
  const std::uint16_t bofVersion = u16At(bof.data, 0);
  const std::size_t bofBytes = bof.data.size();
  switch (bofType) {
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
      version_ = bofVersion >= kBiff8Version ? BiffVersion::Biff8 : BiffVersion::Biff5;
  }
  // Without a kind, the first BOF of a BIFF5-8 stream begins its globals, that of an older
  // file its one worksheet.
  const std::uint16_t kind = bofBytes >= kBofBytes     ? u16At(bof.data, 2)
                             : bofType == record::kBof ? record::kGlobalsStream
                                                       : record::kWorksheetStream;
  if (kind == record::kWorksheetStream) return loneSheet(requested);
  if (kind != record::kGlobalsStream && kind != record::kWorkspaceStream) throwNoWorksheet(file_);

  std::vector<BoundSheet> listed;  // in tab order
  std::size_t lastSheet = kNoSheet;
  bool biff8Signs = false;
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
        if (record.data.size() >= 2) {
          codePage_ = u16At(record.data, 0);
          biff8Signs = biff8Signs || codePage_ == kUnicodeCodePage;
        }
        break;
      case record::kBoundSheet:
        if (record.data.size() >= kBoundSheetBytes) {
          const std::size_t offset = u32At(record.data, 0);
          lastSheet = lastSheet == kNoSheet ? offset : std::max(lastSheet, offset);
          listed.push_back({offset, byteAt(record.data, 4), byteAt(record.data, 5),
                            std::string(record.data.substr(kBoundSheetBytes))});
        }
        break;
      case record::kSst:
        biff8Signs = true;
        sharedStrings_ = XlsSharedStrings(file_, record.data, cursor, limits);
        cursor.skipContinues();
        break;
      default:
        styles_.take(record);
        break;
    }
  }
  if (bofType == record::kBof) version_ = biff5Or8(bofVersion, bofBytes, biff8Signs);
  // A stream cut short of its stated size still holds all there is when its last sheet ends.
  if (!stream_.shortfall().empty() && lastSheet != kNoSheet) checkSheetEnds(lastSheet);

  std::vector<SheetEntry> entries;
  for (const BoundSheet& sheet : listed)
    entries.push_back(sheetEntry(sheet));
  if (entries.empty()) {
    // Sheets not listed follow the globals; the first worksheet among them is the one read.
    const std::size_t found = findWorksheetAfter(globalsEnd);
    if (found == kNoSheet) throwNoWorksheet(file_);
    return loneSheet(requested, found);
  }
  const std::size_t chosen = chooseWorksheet(file_, entries, requested);
  if (requested != kFirstWorksheet) {
    listSheets(std::move(entries), chosen);
    if (!isWorksheetAt(listed[chosen].offset, true)) {
      throwDamaged(file_, "its list of sheets points to the wrong place");
    }
    return listed[chosen].offset;
  }
  for (std::size_t i = 0; i < listed.size(); ++i) {
    if (entries[i].kind == SheetKind::Worksheet && isWorksheetAt(listed[i].offset, true)) {
      listSheets(std::move(entries), i);
      return listed[i].offset;
    }
  }
  // A sheet list that points nowhere useful: the sheets themselves follow the globals.
  const std::size_t found = findWorksheetAfter(globalsEnd);
  if (found == kNoSheet) {
    if (chosen != kFirstWorksheet) {
      throwDamaged(file_, "its list of sheets points to the wrong place");
    }
    throwNoWorksheet(file_);
  }
  return loneSheet(requested, found);
}

std::size_t XlsWorkbook::loneSheet(std::size_t requested, std::size_t offset) {
  // A file of one worksheet: spreadsheet programs name its tab after the file.
  const std::vector<SheetEntry> one{{file_.stem().string()}};
  chooseWorksheet(file_, one, requested);
  listSheets(one, 0);
  return offset;
}

SheetEntry XlsWorkbook::sheetEntry(const BoundSheet& sheet) const {
  SheetEntry entry;
  entry.hidden = sheet.visibility != 0;
  switch (sheet.type) {
    case kWorksheetSheet:
      entry.kind = SheetKind::Worksheet;
      break;
    case kMacroSheet:
      entry.kind = SheetKind::Macro;
      break;
    case kChartSheet:
      entry.kind = SheetKind::Chart;
      break;
    default:
      entry.kind = SheetKind::Other;
      break;
  }
  // BIFF8 names are a length, a flags byte and UTF-16 or compressed text; BIFF5 names a
  // length and text in the code page.
  const std::string_view name = sheet.name;
  if (name.empty()) return entry;
  const std::size_t length = static_cast<unsigned char>(name[0]);
  if (version_ == BiffVersion::Biff8 && name.size() >= 2) {
    const bool wide = (static_cast<unsigned char>(name[1]) & 1) != 0;
    const std::string_view text = name.substr(2);
    if (wide) {
      std::u16string units;
      for (std::size_t i = 0; i + 1 < text.size() && units.size() < length; i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(text[i]) |
                                              static_cast<unsigned char>(text[i + 1]) << 8));
      }
      XlsTextDecoder::appendUtf16(entry.name, units);
    } else {
      XlsTextDecoder::appendLatin1(entry.name, text.substr(0, length));
    }
    return entry;
  }
  const XlsTextDecoder decoder(codePage_);
  if (!decoder.appendCodePage(entry.name, name.substr(1, length))) entry.name.clear();
  return entry;
}

std::unique_ptr<Workbook> openXlsWorkbook(const std::filesystem::path& path,
                                          const ReadLimits& limits, std::size_t sheet) {
  auto file = std::make_shared<const InputFile>(path);
  if (file->size() > limits.maxFileBytes) {
    throw WorkbookError(Kind::LimitExceeded, path,
                        "is " + std::to_string(file->size()) + " bytes long, more than the " +
                            std::to_string(limits.maxFileBytes) +
                            " bytes Quillmere reads from an .xls file.");
  }
  char signature[CompoundFile::kSignature.size()] = {};
  const bool compound = file->readAt(0, signature, sizeof signature) == sizeof signature &&
                        std::string_view(signature, sizeof signature) == CompoundFile::kSignature;
  return std::make_unique<XlsWorkbook>(
      path, compound ? workbookStream(file) : WorkbookStream::wholeFile(file), limits, sheet);
}

}  // namespace quillmere::source::xls
