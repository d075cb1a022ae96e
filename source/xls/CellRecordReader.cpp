#include "source/xls/CellRecordReader.h"

#include "source/xls/FragmentReader.h"
#include "source/xls/LittleEndian.h"
#include "source/xls/RecordType.h"
#include "source/xls/RkNumber.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {

constexpr std::size_t kMulRkHeaderBytes = 4;  // row, first column; the last column trails
constexpr std::size_t kMulRkTrailerBytes = 2;
constexpr std::size_t kMulRkEntryBytes = 6;  // format index, RK value
constexpr std::uint16_t kSpecialResult = 0xFFFF;

enum FormulaResult : std::uint8_t {
  kStringResult = 0,
  kBooleanResult = 1,
  kErrorResult = 2,
  kEmptyResult = 3
};

// The text of an error cell; nothing for a code the format does not define.
std::string_view errorText(std::uint8_t code) {
  switch (code) {
    case 0x00:
      return "#NULL!";
    case 0x07:
      return "#DIV/0!";
    case 0x0F:
      return "#VALUE!";
    case 0x17:
      return "#REF!";
    case 0x1D:
      return "#NAME?";
    case 0x24:
      return "#NUM!";
    case 0x2A:
      return "#N/A";
    case 0x2B:
      return "#GETTING_DATA";
    default:
      return {};
  }
}

}  // namespace

CellRecordReader::CellRecordReader(const std::filesystem::path& file, const WorkbookStream& stream,
                                   std::size_t start, BiffVersion version,
                                   const XlsTextDecoder& decoder,
                                   const XlsSharedStrings& sharedStrings, const ReadLimits& limits)
    : file_(&file),
      start_(start),
      version_(version),
      decoder_(&decoder),
      sharedStrings_(&sharedStrings),
      limits_(limits),
      cursor_(file, stream, start) {}

void CellRecordReader::restart() {
  cursor_.seek(start_);
  depth_ = 0;
  done_ = false;
  mulRk_ = {};
  mulRkNext_ = mulRkCount_ = 0;
}

bool CellRecordReader::next(ParsedCell& cell) {
  if (nextOfMulRk(cell)) return true;
  BiffRecord record;
  while (!done_ && cursor_.next(record)) {
    if (record::isBof(record.type)) {
      ++depth_;
      continue;
    }
    if (record.type == record::kEof) {
      done_ = --depth_ <= 0;
      continue;
    }
    if (depth_ == 1 && decode(record, cell)) return true;
  }
  done_ = true;
  return false;
}

bool CellRecordReader::nextOfMulRk(ParsedCell& cell) {
  if (mulRkNext_ >= mulRkCount_) return false;
  const std::size_t entry = kMulRkHeaderBytes + mulRkNext_ * kMulRkEntryBytes;
  cell.row = u16At(mulRk_, 0);
  cell.column = static_cast<std::uint16_t>(u16At(mulRk_, 2) + mulRkNext_);
  cell.value = CellValue::ofNumber(decodeRk(u32At(mulRk_, entry + 2)), u16At(mulRk_, entry));
  cell.lasting = true;
  ++mulRkNext_;
  return true;
}

void CellRecordReader::require(const BiffRecord& record, std::size_t bytes) const {
  if (record.data.size() < bytes) {
    throwDamaged(*file_, "a cell record at byte " + std::to_string(record.offset) +
                             " is shorter than its kind requires");
  }
}

void CellRecordReader::appendCodePage(std::string_view bytes) {
  if (!decoder_->appendCodePage(text_, bytes)) throwUnknownCodePage(*file_, decoder_->codePage());
}

void CellRecordReader::takeText(ParsedCell& cell) {
  if (text_.size() > limits_.maxCellTextBytes) {
    throwCellTextTooLong(*file_, text_.size(), limits_.maxCellTextBytes);
  }
  cell.value = CellValue::ofText(text_);
  cell.lasting = false;
}

bool CellRecordReader::decode(const BiffRecord& record, ParsedCell& cell) {
  using namespace record;
  const std::string_view data = record.data;
  const bool biff8 = version_ == BiffVersion::Biff8;
  bool stored = true;
  if (data.size() >= 4) {
    cell.row = u16At(data, 0);
    cell.column = u16At(data, 2);
  }
  cell.lasting = true;
  // The cell's style: in BIFF2 the six bits of its attributes that name its FORMAT record,
  // later its XF record's index. Every kind of cell record holds it at byte 4. Read first:
  // a text's CONTINUE or a formula's STRING record may refill the buffer `data` lies in.
  std::uint32_t style = 0;
  if (data.size() >= 6) {
    style = version_ == BiffVersion::Biff2 && record.type <= kFormula ? byteAt(data, 5) & 0x3Fu
                                                                      : u16At(data, 4);
  }
  switch (record.type) {
    case kInteger2:
      require(record, 9);
      cell.value = CellValue::ofNumber(u16At(data, 7));
      break;
    case kNumber2:
      require(record, 15);
      cell.value = CellValue::ofNumber(f64At(data, 7));
      break;
    case kNumber:
      require(record, 14);
      cell.value = CellValue::ofNumber(f64At(data, 6));
      break;
    case kRk:
      require(record, 10);
      cell.value = CellValue::ofNumber(decodeRk(u32At(data, 6)));
      break;
    case kMulRk:
      require(record, kMulRkHeaderBytes + kMulRkEntryBytes + kMulRkTrailerBytes);
      mulRk_ = data;
      mulRkNext_ = 0;
      mulRkCount_ = (data.size() - kMulRkHeaderBytes - kMulRkTrailerBytes) / kMulRkEntryBytes;
      return nextOfMulRk(cell);
    case kBoolErr2:
    case kBoolErr: {
      const std::size_t at = record.type == kBoolErr2 ? 7 : 6;
      require(record, at + 2);
      const std::uint8_t value = byteAt(data, at);
      if (byteAt(data, at + 1) == 0) {
        cell.value = CellValue::ofBoolean(value != 0);
      } else {
        const std::string_view code = errorText(value);
        if (code.empty()) {
          throwDamaged(*file_, "a cell holds the unknown error code " + std::to_string(value));
        }
        cell.value = CellValue::ofError(code);
      }
      break;
    }
    case kLabel2:
      require(record, 8);
      require(record, std::size_t{8} + byteAt(data, 7));
      text_.clear();
      appendCodePage(data.substr(8, byteAt(data, 7)));
      takeText(cell);
      break;
    case kLabel:
    case kRString:
      require(record, 8);
      text_.clear();
      if (biff8) {
        FragmentReader reader(*file_, data.substr(6), cursor_);
        reader.appendUnicodeString(text_);
        cursor_.skipContinues();
      } else {
        require(record, std::size_t{8} + u16At(data, 6));
        appendCodePage(data.substr(8, u16At(data, 6)));
      }
      takeText(cell);
      break;
    case kLabelSst: {
      require(record, 10);
      const std::uint32_t index = u32At(data, 6);
      if (index >= sharedStrings_->size()) {
        throwDamaged(*file_, "a cell refers to shared text number " + std::to_string(index) +
                                 " of only " + std::to_string(sharedStrings_->size()));
      }
      cell.value = CellValue::ofText(sharedStrings_->at(index));
      cell.value.lasting = true;  // the table stays as long as the workbook
      break;
    }
    case kFormula:
      if (version_ == BiffVersion::Biff2) {
        require(record, 15);
        decodeFormula(record, 7, cell, stored);
      } else {
        require(record, 14);
        decodeFormula(record, 6, cell, stored);
      }
      break;
    case kFormula3:
    case kFormula4:
      require(record, 14);
      decodeFormula(record, 6, cell, stored);
      break;
    default:
      return false;
  }
  cell.value.style = style;
  return stored;
}

void CellRecordReader::decodeFormula(const BiffRecord& record, std::size_t resultOffset,
                                     ParsedCell& cell, bool& stored) {
  using namespace record;
  const std::string_view result = record.data.substr(resultOffset, 8);
  if (u16At(result, 6) != kSpecialResult) {
    cell.value = CellValue::ofNumber(f64At(result, 0));
    return;
  }
  switch (byteAt(result, 0)) {
    case kBooleanResult:
      cell.value = CellValue::ofBoolean(byteAt(result, 2) != 0);
      return;
    case kErrorResult: {
      const std::string_view code = errorText(byteAt(result, 2));
      if (code.empty()) {
        throwDamaged(*file_,
                     "a formula holds the unknown error code " + std::to_string(byteAt(result, 2)));
      }
      cell.value = CellValue::ofError(code);
      return;
    }
    case kEmptyResult:
      cell.value = CellValue::ofText({});
      return;
    case kStringResult:
      break;
    default:
      throwDamaged(*file_, "a formula has a result of unknown kind");
  }
  // The text follows in a STRING record, perhaps after the formula's shared parts.
  while (cursor_.peekType() == kSharedFormula || cursor_.peekType() == kArray ||
         cursor_.peekType() == kTable) {
    BiffRecord skipped;
    cursor_.next(skipped);
  }
  const std::uint16_t next = cursor_.peekType();
  if (next != kString && next != kString2) {
    stored = false;  // a string formula that never got its value computed
    return;
  }
  BiffRecord string;
  cursor_.next(string);
  text_.clear();
  if (version_ == BiffVersion::Biff8) {
    FragmentReader reader(*file_, string.data, cursor_);
    reader.appendUnicodeString(text_);
    cursor_.skipContinues();
  } else if (next == kString2) {
    require(string, 1);
    require(string, std::size_t{1} + byteAt(string.data, 0));
    appendCodePage(string.data.substr(1, byteAt(string.data, 0)));
  } else {
    require(string, 2);
    require(string, std::size_t{2} + u16At(string.data, 0));
    appendCodePage(string.data.substr(2, u16At(string.data, 0)));
  }
  takeText(cell);
}

}  // namespace quillmere::source::xls
