#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace quillmere::fuzz {

// One file in memory-backed storage (/dev/shm where there is one) that holds the current
// input, since the readers open workbooks by path. Each process has its own, removed at exit.
class ScratchFile {
 public:
  explicit ScratchFile(std::string_view extension);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // Replaces the file's bytes; aborts when they cannot be written, which is no finding.
  const std::filesystem::path& write(const std::uint8_t* data, std::size_t size);

 private:
  std::filesystem::path path_;
};

}  // namespace quillmere::fuzz
