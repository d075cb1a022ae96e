#pragma once

#include <cstddef>
#include <filesystem>

#include "source/InputFile.h"
#include "source/xlsx/PartSource.h"

namespace quillmere::source::ods {

// A whole file read as one part: the flat XML of a .fods document.
class FilePartSource : public xlsx::PartSource {
 public:
  // Throws WorkbookError when the file cannot be read or is larger than `maxBytes`.
  FilePartSource(const std::filesystem::path& file, std::uint64_t maxBytes);

  std::size_t read(char* buffer, std::size_t capacity) override {
    return file_.read(buffer, capacity);
  }

 private:
  InputFile file_;
};

}  // namespace quillmere::source::ods
