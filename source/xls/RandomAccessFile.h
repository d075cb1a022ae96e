#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace quillmere::source::xls {

// A file opened for reading at any offset, so that a workbook is read a piece at a time
// instead of held whole. Failures throw WorkbookError naming the file.
class RandomAccessFile {
 public:
  explicit RandomAccessFile(const std::filesystem::path& path);

  std::uint64_t size() const { return size_; }

  // Reads up to `length` bytes at `offset`; fewer only where the file ends.
  std::size_t readAt(std::uint64_t offset, char* into, std::size_t length) const;

  const std::filesystem::path& path() const { return path_; }

 private:
  struct Closer {
    void operator()(std::FILE* file) const;
  };

  std::filesystem::path path_;
  std::unique_ptr<std::FILE, Closer> file_;
  std::uint64_t size_ = 0;
};

}  // namespace quillmere::source::xls
