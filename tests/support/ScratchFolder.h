#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace quillmere::test {

// A new, empty folder of its own under the system's temporary folder, removed with
// everything in it when it goes out of scope; tests running at once never share one.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view purpose) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / ("quillmere-" + std::string(purpose) + "-XXXXXX"))
            .string();
    if (::mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("no scratch folder could be made from " + pattern);
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

  // Writes `bytes` as they are into the file `name`; returns its path.
  std::filesystem::path write(const std::filesystem::path& name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace quillmere::test
