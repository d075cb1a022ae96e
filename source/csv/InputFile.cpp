#include "source/csv/InputFile.h"

#include <limits>

#include "source/WorkbookError.h"

namespace quillmere::source::csv {

using Kind = WorkbookError::Kind;

void InputFile::Closer::operator()(std::FILE* file) const {
  // Nothing was written, so a failed close cannot lose data and there is nothing to report.
  static_cast<void>(std::fclose(file));
}

InputFile::InputFile(const std::filesystem::path& path)
    : path_(path), file_(std::fopen(path.c_str(), "rb")) {
  if (!file_) {
    throw WorkbookError(Kind::Unreadable, path_,
                        "cannot be opened. Check that you may read it and that no other "
                        "program holds it locked.");
  }
  if (std::setvbuf(file_.get(), nullptr, _IONBF, 0) != 0) {
    throw WorkbookError(Kind::Unreadable, path_, "cannot be set up for reading.");
  }
}

std::size_t InputFile::read(char* into, std::size_t size) {
  const std::size_t got = std::fread(into, 1, size, file_.get());
  if (got < size && std::ferror(file_.get())) {
    throw WorkbookError(Kind::Unreadable, path_, "could not be read from the disk.");
  }
  return got;
}

void InputFile::seek(std::uint64_t offset) {
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) ||
      fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) != 0) {
    throw WorkbookError(Kind::Unreadable, path_, "could not be read again from the start.");
  }
}

}  // namespace quillmere::source::csv
