#include "source/xls/BiffRecordCursor.h"

#include <algorithm>

#include "source/xls/LittleEndian.h"
#include "source/xls/RecordType.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {
constexpr std::size_t kHeaderBytes = 4;
// A cursor that reads one record needs little; one that walks a sheet reads big blocks.
constexpr std::size_t kFirstFill = 4096;
constexpr std::size_t kMaxFill = std::size_t{256} << 10;  // over the 64 KiB a record can hold
}  // namespace

const char* BiffRecordCursor::load(std::size_t offset, std::size_t length) {
  if (offset >= windowStart_ && offset + length <= windowStart_ + windowLength_) {
    return window_.data() + (offset - windowStart_);
  }
  nextFill_ = nextFill_ == 0 ? kFirstFill : std::min(nextFill_ * 2, kMaxFill);
  const std::size_t fill =
      std::min<std::size_t>(std::max(nextFill_, length), stream_->size() - offset);
  if (window_.size() < fill) window_.resize(fill);
  stream_->read(offset, window_.data(), fill);
  windowStart_ = offset;
  windowLength_ = fill;
  return window_.data();
}

bool BiffRecordCursor::next(BiffRecord& record) {
  if (atEnd()) return false;
  // Nearly every record lies whole in the window, which never reaches past the stream.
  const std::size_t windowEnd = windowStart_ + windowLength_;
  if (offset_ >= windowStart_ && offset_ <= windowEnd && windowEnd - offset_ >= kHeaderBytes) {
    const std::string_view head(window_.data() + (offset_ - windowStart_), kHeaderBytes);
    const std::uint16_t length = u16At(head, 2);
    if (windowEnd - offset_ - kHeaderBytes >= length) {
      record.type = u16At(head, 0);
      record.data = std::string_view(head.data() + kHeaderBytes, length);
      record.offset = offset_;
      offset_ += kHeaderBytes + length;
      return true;
    }
  }
  const std::size_t size = stream_->size();
  if (size - offset_ < kHeaderBytes) {
    throwDataEnds(*file_, "the workbook data ends in the middle of a record", stream_->shortfall());
  }
  const std::string_view head(load(offset_, kHeaderBytes), kHeaderBytes);
  const std::uint16_t type = u16At(head, 0);
  const std::uint16_t length = u16At(head, 2);
  if (size - offset_ - kHeaderBytes < length) {
    throwDataEnds(*file_, "the workbook data ends in the middle of a record", stream_->shortfall());
  }
  // Loading the data may move the window, so the header is read first.
  record.type = type;
  record.data = std::string_view(load(offset_, kHeaderBytes + length) + kHeaderBytes, length);
  record.offset = offset_;
  offset_ += kHeaderBytes + length;
  return true;
}

std::uint16_t BiffRecordCursor::peekType() const {
  if (offset_ >= stream_->size() || stream_->size() - offset_ < kHeaderBytes) return 0xFFFF;
  if (offset_ >= windowStart_ && offset_ + 2 <= windowStart_ + windowLength_) {
    return u16At(std::string_view(window_.data() + (offset_ - windowStart_), 2), 0);
  }
  char type[2];
  stream_->read(offset_, type, sizeof type);
  return u16At(std::string_view(type, sizeof type), 0);
}

bool BiffRecordCursor::nextFragment(std::string_view& data) {
  BiffRecord record;
  if (peekType() != record::kContinue || !next(record)) return false;
  data = record.data;
  return true;
}

void BiffRecordCursor::skipContinues() {
  std::string_view ignored;
  while (nextFragment(ignored)) {
  }
}

}  // namespace quillmere::source::xls
