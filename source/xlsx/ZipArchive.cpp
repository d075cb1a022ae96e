#include "source/xlsx/ZipArchive.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "source/DamagedFile.h"
#include "source/WorkbookError.h"
#include "source/xlsx/PartPath.h"
#include "source/xlsx/ZipPartSource.h"

namespace quillmere::source::xlsx {

namespace {

using Kind = WorkbookError::Kind;

// Owns a zip_error_t so that its message buffer is released on every path.
class ZipError {
 public:
  ZipError() { zip_error_init(&error_); }
  explicit ZipError(int code) { zip_error_init_with_code(&error_, code); }
  ~ZipError() { zip_error_fini(&error_); }
  ZipError(const ZipError&) = delete;
  ZipError& operator=(const ZipError&) = delete;

  zip_error_t* get() { return &error_; }
  int code() const { return zip_error_code_zip(&error_); }
  // The errno behind the error, when a system call failed.
  std::optional<int> errorNumber() const {
    if (zip_error_system_type(&error_) != ZIP_ET_SYS) return std::nullopt;
    return zip_error_code_system(&error_);
  }
  // The words of libzip's error code alone.
  std::string text() { return zip_error_strerror(&error_); }

 private:
  zip_error_t error_;
};

[[noreturn]] void throwOpenError(const std::filesystem::path& file, int code,
                                 std::optional<int> errorNumber = std::nullopt) {
  const WorkbookError::Details details{.errorNumber = errorNumber};
  switch (code) {
    case ZIP_ER_NOENT:
      throw WorkbookError(Kind::NotFound, file, "does not exist. Check the name and the folder.",
                          details);
    case ZIP_ER_SEEK:
      // Seeking in a file that could be opened fails only for an offset no file can have.
      throw damagedFile(file,
                        "its zip archive points to a place far past the end of the file (" +
                            ZipError(code).text() +
                            "). Open it in your spreadsheet program and save it again, or ask "
                            "for a new copy.",
                        details);
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
      throw WorkbookError(Kind::Unreadable, file,
                          "cannot be read (" + ZipError(code).text() +
                              "). Check that you may read it and that no other program holds "
                              "it locked.",
                          details);
    case ZIP_ER_MEMORY:
      throw WorkbookError(Kind::Unreadable, file,
                          "cannot be read: there is not enough memory to open it.", details);
    case ZIP_ER_NOZIP:
      throw damagedFile(file,
                        "it starts like an .xlsx workbook but its zip archive is broken or cut "
                        "short. Was the copy or download interrupted?",
                        details, Damage::MaybeCutShort);
    default:
      throw damagedFile(file, "its zip archive cannot be opened (" + ZipError(code).text() + ").",
                        details);
  }
}

// Whether `size` is more than `ratio` times `packed`, without overflowing.
bool inflatesTooMuch(std::uint64_t size, std::uint64_t packed, std::uint64_t ratio) {
  if (ratio == 0) return true;
  return packed <= UINT64_MAX / ratio && size > packed * ratio;
}

}  // namespace

ZipArchive::Handle ZipArchive::openHandle(const std::filesystem::path& file) {
  // zip_open() in its two steps, which keep the system's error behind a failure.
  ZipError error;
  zip_source_t* source = zip_source_file_create(file.c_str(), 0, -1, error.get());
  if (source == nullptr) throwOpenError(file, error.code(), error.errorNumber());
  Handle archive(zip_open_from_source(source, ZIP_RDONLY, error.get()));
  if (!archive) {
    zip_source_free(source);
    throwOpenError(file, error.code(), error.errorNumber());
  }
  return archive;
}

ZipArchive::ZipArchive(const std::filesystem::path& file)
    : file_(file), archive_(openHandle(file)) {
  std::error_code sizeError;
  const std::uintmax_t bytes = std::filesystem::file_size(file, sizeError);
  // Unknown only for what is no regular file; then no packed size is doubted.
  fileBytes_ = sizeError ? UINT64_MAX : static_cast<std::uint64_t>(bytes);
  const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
  if (count < 0) throwOpenError(file, ZIP_ER_INCONS);
  entries_.reserve(static_cast<std::size_t>(count));
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    const char* name = zip_get_name(archive_.get(), index, ZIP_FL_ENC_RAW);
    if (name == nullptr) {
      throw damagedFile(file,
                        "entry " + std::to_string(i) + " of its zip archive has no readable name.");
    }
    // The first of two entries with one name wins, as in the programs that write them.
    entries_.emplace(partKey(name), index);
  }
}

std::optional<std::uint64_t> ZipArchive::find(std::string_view partName) const {
  const auto it = entries_.find(partKey(partName));
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

std::unique_ptr<PartSource> ZipArchive::open(std::uint64_t index, const std::string& partName,
                                             const ReadLimits& limits) const {
  return partOpener(index, partName, limits).openOn(archive_.get(), nullptr);
}

ZipPartOpener ZipArchive::partOpener(std::uint64_t index, const std::string& partName,
                                     const ReadLimits& limits) const {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_.get(), index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
    throw damagedFile(file_, "the zip archive's entry for " + partName + " cannot be read.",
                      {.part = partName});
  }
  if (stat.size > limits.maxPartBytes) {
    throw WorkbookError(Kind::LimitExceeded, file_,
                        "has a part (" + partName + ") that would unpack to " +
                            std::to_string(stat.size) + " bytes, more than the " +
                            std::to_string(limits.maxPartBytes) +
                            " bytes Quillmere reads for one part.",
                        {.part = partName});
  }
  // A stated packed size larger than the whole file is a lie that would hide a bomb's ratio.
  const std::uint64_t packed = (stat.valid & ZIP_STAT_COMP_SIZE) != 0
                                   ? std::min<std::uint64_t>(stat.comp_size, fileBytes_)
                                   : fileBytes_;
  if (stat.size > limits.inflationRatioFloorBytes &&
      inflatesTooMuch(stat.size, packed, limits.maxInflationRatio)) {
    throw WorkbookError(Kind::LimitExceeded, file_,
                        "is refused: its part " + partName + " would unpack from " +
                            std::to_string(packed) + " to " + std::to_string(stat.size) +
                            " bytes, more than " + std::to_string(limits.maxInflationRatio) +
                            " times its packed size. Even repetitive workbooks of that size "
                            "shrink far less; this is the mark of a zip bomb, so Quillmere does "
                            "not unpack it.",
                        {.part = partName});
  }
  return ZipPartOpener(file_, index, partName, stat, limits.maxPartBytes);
}

}  // namespace quillmere::source::xlsx
