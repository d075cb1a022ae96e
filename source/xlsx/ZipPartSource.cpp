#include "source/xlsx/ZipPartSource.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "source/DamagedFile.h"
#include "source/WorkbookError.h"

namespace quillmere::source::xlsx {

using Kind = WorkbookError::Kind;

void ZipPartSource::Close::operator()(zip_file_t* entry) const {
  // Closing only reports an error already seen by zip_fread, or a checksum of a part read
  // partway; neither matters once the reader has let go of the part.
  static_cast<void>(zip_fclose(entry));
}

ZipPartSource::ZipPartSource(std::filesystem::path file, std::string partName, Place place,
                             Handle entry, std::uint64_t maxBytes)
    : file_(std::move(file)),
      partName_(std::move(partName)),
      place_(std::move(place)),
      entry_(std::move(entry)),
      maxBytes_(maxBytes) {}

#if QUILLMERE_HAVE_ISAL
ZipPartSource::ZipPartSource(std::filesystem::path file, std::string partName, Place place,
                             std::unique_ptr<IsalInflater> inflater, std::uint64_t maxBytes)
    : file_(std::move(file)),
      partName_(std::move(partName)),
      place_(std::move(place)),
      inflater_(std::move(inflater)),
      maxBytes_(maxBytes) {}
#endif

ZipPartSource::~ZipPartSource() = default;

ZipPartSource::Handle ZipPartSource::openInflated(const std::filesystem::path& file,
                                                  const std::string& partName, zip_t* archive,
                                                  std::uint64_t index) {
  Handle entry(zip_fopen_index(archive, index, 0));
  if (entry) return entry;
  switch (zip_error_code_zip(zip_get_error(archive))) {
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
      throw WorkbookError(Kind::Encrypted, file,
                          "is protected by a password. Remove the password in your "
                          "spreadsheet program, save the file, then open it again.",
                          {.part = partName});
    case ZIP_ER_COMPNOTSUPP:
      throw WorkbookError(Kind::Unsupported, file,
                          "was packed with a compression method Quillmere cannot unpack. Open "
                          "it in your spreadsheet program and save it as .xlsx again.",
                          {.part = partName});
    default:
      throw damagedFile(
          file, "its part " + partName + " cannot be opened (" + zip_strerror(archive) + ").",
          {.part = partName});
  }
}

std::size_t ZipPartSource::read(char* buffer, std::size_t capacity) {
  // Never ask for more than the limit allows plus one byte, so a zip bomb is caught after
  // inflating at most that much.
  const std::uint64_t allowance = maxBytes_ - std::min(maxBytes_, delivered_) + 1;
  const auto wanted = static_cast<zip_uint64_t>(std::min<std::uint64_t>(capacity, allowance));
  const std::size_t got = inflate(buffer, static_cast<std::size_t>(wanted));
  delivered_ += got;
  if (delivered_ > maxBytes_) {
    throw WorkbookError(Kind::LimitExceeded, file_,
                        "has a part (" + partName_ + ") that unpacks to more than " +
                            std::to_string(maxBytes_) +
                            " bytes, the most Quillmere reads for one part.",
                        {.part = partName_});
  }
  if (got == 0 && delivered_ != place_.statedSize) {
    throw damagedFile(file_,
                      "its part " + partName_ + " ends after " + std::to_string(delivered_) +
                          " of its " + std::to_string(place_.statedSize) +
                          " bytes. Was the copy or download interrupted?",
                      {.part = partName_}, Damage::MaybeCutShort);
  }
  if (delivered_ > place_.statedSize) {
    throw damagedFile(file_,
                      "its part " + partName_ + " holds more than the " +
                          std::to_string(place_.statedSize) + " bytes the archive states.",
                      {.part = partName_});
  }
  return got;
}

std::size_t ZipPartSource::inflate(char* buffer, std::size_t capacity) {
#if QUILLMERE_HAVE_ISAL
  if (inflater_) {
    if (const auto got = inflater_->read(buffer, capacity)) {
      if (*got == 0 && capacity > 0 && place_.crc && inflater_->crc() != *place_.crc) {
        // libzip's own words for the same fault, so both inflaters refuse it alike.
        zip_error_t error;
        zip_error_init_with_code(&error, ZIP_ER_CRC);
        const std::string words = zip_error_strerror(&error);
        zip_error_fini(&error);
        throwUnpackFailure(words, std::nullopt);
      }
      return *got;
    }
    switchToLibzip();
  }
#endif
  return readThroughLibzip(buffer, capacity);
}

void ZipPartSource::switchToLibzip() {
#if QUILLMERE_HAVE_ISAL
  inflater_.reset();
#endif
  entry_ = openInflated(file_, partName_, place_.on, place_.index);
  std::unique_ptr<char[]> scratch;
  constexpr std::size_t kScratchBytes = 64 * 1024;
  for (std::uint64_t skipped = 0; skipped < delivered_;) {
    if (!scratch) scratch = std::make_unique_for_overwrite<char[]>(kScratchBytes);
    const std::size_t got = readThroughLibzip(
        scratch.get(),
        static_cast<std::size_t>(std::min<std::uint64_t>(kScratchBytes, delivered_ - skipped)));
    if (got == 0) return;  // the count below finds the part short
    skipped += got;
  }
}

std::size_t ZipPartSource::readThroughLibzip(char* buffer, std::size_t capacity) {
  const zip_int64_t got = zip_fread(entry_.get(), buffer, capacity);
  if (got < 0) {
    const zip_error_t* error = zip_file_get_error(entry_.get());
    std::optional<int> errorNumber;
    if (zip_error_system_type(error) == ZIP_ET_SYS) errorNumber = zip_error_code_system(error);
    throwUnpackFailure(zip_file_strerror(entry_.get()), errorNumber);
  }
  return static_cast<std::size_t>(got);
}

void ZipPartSource::throwUnpackFailure(const std::string& words, std::optional<int> errorNumber) {
  throw damagedFile(file_,
                    "its part " + partName_ + " cannot be unpacked (" + words +
                        "). Open the file in your spreadsheet program and save it again.",
                    {.part = partName_, .errorNumber = errorNumber});
}

}  // namespace quillmere::source::xlsx
