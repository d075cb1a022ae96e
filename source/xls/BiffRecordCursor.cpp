#include "source/xls/BiffRecordCursor.h"

#include "source/xls/LittleEndian.h"
#include "source/xls/RecordType.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {
constexpr std::size_t kHeaderBytes = 4;
}

bool BiffRecordCursor::next(BiffRecord& record) {
  if (atEnd()) return false;
  if (stream_.size() - offset_ < kHeaderBytes) {
    throwDamaged(*file_, "the workbook data ends in the middle of a record");
  }
  const std::uint16_t length = u16At(stream_, offset_ + 2);
  if (stream_.size() - offset_ - kHeaderBytes < length) {
    throwDamaged(*file_, "the workbook data ends in the middle of a record");
  }
  record.type = u16At(stream_, offset_);
  record.data = stream_.substr(offset_ + kHeaderBytes, length);
  record.offset = offset_;
  offset_ += kHeaderBytes + length;
  return true;
}

std::uint16_t BiffRecordCursor::peekType() const {
  if (stream_.size() - offset_ < kHeaderBytes) return 0xFFFF;
  return u16At(stream_, offset_);
}

void BiffRecordCursor::takeContinues(std::vector<std::string_view>& fragments) {
  BiffRecord record;
  while (!atEnd() && peekType() == record::kContinue && next(record)) {
    fragments.push_back(record.data);
  }
}

}  // namespace quillmere::source::xls
