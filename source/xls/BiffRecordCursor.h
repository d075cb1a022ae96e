#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace quillmere::source::xls {

struct BiffRecord {
  std::uint16_t type = 0;
  std::string_view data;
  std::size_t offset = 0;  // of the record header in the stream
};

// Walks the records of a workbook stream. A record that runs past the end of the stream is
// damage; the end of the stream itself is not.
class BiffRecordCursor {
 public:
  BiffRecordCursor(const std::filesystem::path& file, std::string_view stream, std::size_t offset)
      : file_(&file), stream_(stream), offset_(offset) {}

  // The next record, or false at the end of the stream.
  bool next(BiffRecord& record);

  bool atEnd() const { return offset_ >= stream_.size(); }

  // The type of the record next() would give; 0xFFFF when no whole header is left.
  std::uint16_t peekType() const;

  // Appends the data of the CONTINUE records that follow and moves past them.
  void takeContinues(std::vector<std::string_view>& fragments);

  std::size_t offset() const { return offset_; }
  void seek(std::size_t offset) { offset_ = offset; }

 private:
  const std::filesystem::path* file_;
  std::string_view stream_;
  std::size_t offset_;
};

}  // namespace quillmere::source::xls
