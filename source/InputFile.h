#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace quillmere::source {

// A file opened for reading only, front to back (.csv) or at any offset (.xls), so that a
// workbook is read a piece at a time instead of held whole. Nothing is buffered: callers read
// big blocks of their own. Failures throw WorkbookError naming the file.
class InputFile {
 public:
  explicit InputFile(const std::filesystem::path& path);
  ~InputFile();
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The file's size when it was opened.
  std::uint64_t size() const { return size_; }

  // Reads up to `size` bytes from the current position; fewer only at the end of the file.
  std::size_t read(char* into, std::size_t size);

  // Moves the current position to `offset`.
  void seek(std::uint64_t offset);

  // Reads up to `length` bytes at `offset`, leaving the current position where it is; fewer
  // only where the file ends.
  std::size_t readAt(std::uint64_t offset, char* into, std::size_t length) const;

 private:
  std::filesystem::path path_;
  int descriptor_ = -1;
  std::uint64_t size_ = 0;
};

}  // namespace quillmere::source
