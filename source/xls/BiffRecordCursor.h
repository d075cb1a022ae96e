#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "source/xls/FragmentSource.h"
#include "source/xls/WorkbookStream.h"

namespace quillmere::source::xls {

struct BiffRecord {
  std::uint16_t type = 0;
  std::string_view data;   // valid until the cursor moves on
  std::size_t offset = 0;  // of the record header in the stream
};

// Walks the records of a workbook stream, reading the stream a window at a time, so that
// only a few hundred KiB of it are held however large it is. A record that runs past the
// end of the stream is damage; the end of the stream itself is not.
class BiffRecordCursor : public FragmentSource {
 public:
  BiffRecordCursor(const std::filesystem::path& file, const WorkbookStream& stream,
                   std::size_t offset)
      : file_(&file), stream_(&stream), offset_(offset) {}

  // The next record, or false at the end of the stream. Its data stays valid until the next
  // call to next(), nextFragment() or seek().
  bool next(BiffRecord& record);

  bool atEnd() const { return offset_ >= stream_->size(); }

  // The type of the record next() would give; 0xFFFF when no whole header is left. Leaves
  // the current record's data valid.
  std::uint16_t peekType() const;

  // The data of the CONTINUE record that follows, if one does.
  bool nextFragment(std::string_view& data) override;

  // Moves past the CONTINUE records that follow.
  void skipContinues();

  std::size_t offset() const { return offset_; }
  void seek(std::size_t offset) { offset_ = offset; }

 private:
  // Makes the `length` bytes at `offset` (which lie in the stream) lie in the window.
  const char* load(std::size_t offset, std::size_t length);

  const std::filesystem::path* file_;
  const WorkbookStream* stream_;
  std::size_t offset_;
  std::vector<char> window_;
  std::size_t windowStart_ = 0;
  std::size_t windowLength_ = 0;
  std::size_t nextFill_ = 0;  // bytes the next refill reads: small first, then more
};

}  // namespace quillmere::source::xls
