#include "source/xls/RandomAccessFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "source/WorkbookError.h"

namespace quillmere::source::xls {

using Kind = WorkbookError::Kind;

void RandomAccessFile::Closer::operator()(std::FILE* file) const {
  // Nothing was written, so a failed close cannot lose data and there is nothing to report.
  static_cast<void>(std::fclose(file));
}

RandomAccessFile::RandomAccessFile(const std::filesystem::path& path)
    : path_(path), file_(std::fopen(path.c_str(), "rb")) {
  if (!file_) {
    throw WorkbookError(Kind::Unreadable, path_,
                        "cannot be opened. Check that you may read it and that no other "
                        "program holds it locked.");
  }
  struct stat status {};
  if (fstat(fileno(file_.get()), &status) != 0 || status.st_size < 0) {
    throw WorkbookError(Kind::Unreadable, path_, "could not be read from the disk.");
  }
  size_ = static_cast<std::uint64_t>(status.st_size);
}

std::size_t RandomAccessFile::readAt(std::uint64_t offset, char* into, std::size_t length) const {
  std::size_t done = 0;
  while (done < length) {
    if (offset + done > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) break;
    const ssize_t got =
        pread(fileno(file_.get()), into + done, length - done, static_cast<off_t>(offset + done));
    if (got < 0) {
      if (errno == EINTR) continue;
      throw WorkbookError(Kind::Unreadable, path_, "could not be read from the disk.");
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

}  // namespace quillmere::source::xls
