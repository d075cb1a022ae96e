#pragma once

#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "source/ReadLimits.h"
#include "source/xlsx/PartSource.h"
#include "source/xlsx/ZipPartOpener.h"
#include "source/xlsx/ZipPartSource.h"

namespace quillmere::source::xlsx {

// A zip package opened for reading. Parts are looked up by name whatever the case or the
// slash direction the writer used.
class ZipArchive {
 public:
  using Handle = ZipPartSource::ArchiveHandle;

  // Throws WorkbookError when the file is no readable zip archive.
  explicit ZipArchive(const std::filesystem::path& file);

  // A handle of its own on `file`; throws WorkbookError as the constructor does.
  static Handle openHandle(const std::filesystem::path& file);

  const std::filesystem::path& file() const { return file_; }

  // The entry index of a part, or nothing when the archive lacks it.
  std::optional<std::uint64_t> find(std::string_view partName) const;

  bool contains(std::string_view partName) const { return find(partName).has_value(); }

  // Streams a part, refusing it when its stated or actual size passes limits.maxPartBytes.
  std::unique_ptr<PartSource> open(std::uint64_t index, const std::string& partName,
                                   const ReadLimits& limits) const;

  // What opens a part again on a handle of its own, for reading on another thread: checked
  // against the limits here, as open() checks it.
  ZipPartOpener partOpener(std::uint64_t index, const std::string& partName,
                           const ReadLimits& limits) const;

 private:
  std::filesystem::path file_;
  Handle archive_;
  std::uint64_t fileBytes_ = 0;  // no part packs into more than the whole archive
  std::unordered_map<std::string, std::uint64_t> entries_;
};

}  // namespace quillmere::source::xlsx
