#include "fuzz/ScratchFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace quillmere::fuzz {

namespace {

std::filesystem::path scratchFolder() {
  std::error_code ec;
  if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

}  // namespace

ScratchFile::ScratchFile(std::string_view extension)
    : path_(scratchFolder() /
            ("quillmere-fuzz-" + std::to_string(getpid()) + std::string(extension))) {}

ScratchFile::~ScratchFile() {
  std::error_code ec;
  std::filesystem::remove(path_, ec);
}

const std::filesystem::path& ScratchFile::write(const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    std::fprintf(stderr, "cannot write the scratch file %s\n", path_.c_str());
    std::abort();
  }
  return path_;
}

}  // namespace quillmere::fuzz
