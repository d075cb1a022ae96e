#include "source/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <utility>

#include "source/WorkbookError.h"

namespace quillmere::source {

namespace {

using Kind = WorkbookError::Kind;

constexpr auto kMaxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());

// Reads until `length` bytes came or the file ended, through `readSome(into, wanted, done)`
// (read or pread), which the system may answer in parts or interrupt.
template <typename ReadSome>
std::size_t readFully(const std::filesystem::path& path, char* into, std::size_t length,
                      ReadSome readSome) {
  std::size_t done = 0;
  while (done < length) {
    const ssize_t got = readSome(into + done, length - done, done);
    if (got < 0) {
      const int error = errno;
      if (error == EINTR) continue;
      throw WorkbookError(Kind::Unreadable, path, "could not be read from the disk.",
                          {.errorNumber = error});
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

}  // namespace

InputFile::InputFile(const std::filesystem::path& path)
    : path_(path), descriptor_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  if (descriptor_ < 0) {
    const int error = errno;  // before building the message can change it
    throw WorkbookError(Kind::Unreadable, path_,
                        "cannot be opened. Check that you may read it and that no other "
                        "program holds it locked.",
                        {.errorNumber = error});
  }
  struct stat status {};
  if (fstat(descriptor_, &status) != 0 || status.st_size < 0) {
    const int error = errno;
    // The destructor does not run for a constructor that throws.
    static_cast<void>(::close(descriptor_));
    throw WorkbookError(Kind::Unreadable, path_, "could not be read from the disk.",
                        {.errorNumber = error});
  }
  size_ = static_cast<std::uint64_t>(status.st_size);
}

InputFile::~InputFile() {
  // Nothing was written, so a failed close cannot lose data and there is nothing to report.
  if (descriptor_ >= 0) static_cast<void>(::close(descriptor_));
}

InputFile::InputFile(InputFile&& other) noexcept
    : path_(std::move(other.path_)),
      descriptor_(std::exchange(other.descriptor_, -1)),
      size_(other.size_) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) static_cast<void>(::close(descriptor_));
    path_ = std::move(other.path_);
    descriptor_ = std::exchange(other.descriptor_, -1);
    size_ = other.size_;
  }
  return *this;
}

std::size_t InputFile::read(char* into, std::size_t size) {
  return readFully(path_, into, size, [this](char* at, std::size_t wanted, std::size_t) {
    return ::read(descriptor_, at, wanted);
  });
}

void InputFile::seek(std::uint64_t offset) {
  if (offset > kMaxOffset || lseek(descriptor_, static_cast<off_t>(offset), SEEK_SET) < 0) {
    const int error = offset > kMaxOffset ? EOVERFLOW : errno;
    throw WorkbookError(Kind::Unreadable, path_, "could not be read again from the start.",
                        {.errorNumber = error});
  }
}

std::size_t InputFile::readAt(std::uint64_t offset, char* into, std::size_t length) const {
  return readFully(path_, into, length,
                   [this, offset](char* at, std::size_t wanted, std::size_t done) -> ssize_t {
                     // Past the largest offset the system takes, the file has nothing more.
                     if (offset + done > kMaxOffset) return 0;
                     return ::pread(descriptor_, at, wanted, static_cast<off_t>(offset + done));
                   });
}

}  // namespace quillmere::source
