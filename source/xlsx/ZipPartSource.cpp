#include "source/xlsx/ZipPartSource.h"

#include <algorithm>
#include <string>
#include <utility>

#include "source/WorkbookError.h"

namespace quillmere::source::xlsx {

using Kind = WorkbookError::Kind;

void ZipPartSource::Close::operator()(zip_file_t* entry) const {
  // Closing only reports an error already seen by zip_fread, or a checksum of a part read
  // partway; neither matters once the reader has let go of the part.
  static_cast<void>(zip_fclose(entry));
}

ZipPartSource::ZipPartSource(std::filesystem::path file, std::string partName,
                             ArchiveHandle archive, Handle entry, std::uint64_t statedSize,
                             std::uint64_t maxBytes)
    : file_(std::move(file)),
      partName_(std::move(partName)),
      archive_(std::move(archive)),
      entry_(std::move(entry)),
      statedSize_(statedSize),
      maxBytes_(maxBytes) {}

std::size_t ZipPartSource::read(char* buffer, std::size_t capacity) {
  // Never ask for more than the limit allows plus one byte, so a zip bomb is caught after
  // inflating at most that much.
  const std::uint64_t allowance = maxBytes_ - std::min(maxBytes_, delivered_) + 1;
  const auto wanted = static_cast<zip_uint64_t>(std::min<std::uint64_t>(capacity, allowance));
  const zip_int64_t got = zip_fread(entry_.get(), buffer, wanted);
  if (got < 0) {
    const zip_error_t* error = zip_file_get_error(entry_.get());
    WorkbookError::Details details{.part = partName_};
    if (zip_error_system_type(error) == ZIP_ET_SYS)
      details.errorNumber = zip_error_code_system(error);
    throw WorkbookError(Kind::Corrupt, file_,
                        "is damaged: its part " + partName_ + " cannot be unpacked (" +
                            zip_file_strerror(entry_.get()) +
                            "). Open the file in your spreadsheet program and save it again.",
                        std::move(details));
  }
  delivered_ += static_cast<std::uint64_t>(got);
  if (delivered_ > maxBytes_) {
    throw WorkbookError(Kind::LimitExceeded, file_,
                        "has a part (" + partName_ + ") that unpacks to more than " +
                            std::to_string(maxBytes_) +
                            " bytes, the most Quillmere reads for one part.",
                        {.part = partName_});
  }
  if (got == 0 && delivered_ != statedSize_) {
    throw WorkbookError(Kind::Corrupt, file_,
                        "is damaged or incomplete: its part " + partName_ + " ends after " +
                            std::to_string(delivered_) + " of its " + std::to_string(statedSize_) +
                            " bytes. Was the copy or download interrupted?",
                        {.part = partName_});
  }
  if (delivered_ > statedSize_) {
    throw WorkbookError(Kind::Corrupt, file_,
                        "is damaged: its part " + partName_ + " holds more than the " +
                            std::to_string(statedSize_) + " bytes the archive states.",
                        {.part = partName_});
  }
  return static_cast<std::size_t>(got);
}

}  // namespace quillmere::source::xlsx
