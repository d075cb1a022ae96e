#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace quillmere::source::csv {

// A file opened for reading in binary, unbuffered (callers read big blocks of their own).
// Failures throw WorkbookError naming the file.
class InputFile {
 public:
  explicit InputFile(const std::filesystem::path& path);

  // Reads up to `size` bytes; fewer only at the end of the file.
  std::size_t read(char* into, std::size_t size);

  void seek(std::uint64_t offset);

  const std::filesystem::path& path() const { return path_; }

 private:
  struct Closer {
    void operator()(std::FILE* file) const;
  };

  std::filesystem::path path_;
  std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace quillmere::source::csv
