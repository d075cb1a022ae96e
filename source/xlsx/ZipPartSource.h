#pragma once

#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "source/xlsx/PartSource.h"

namespace quillmere::source::xlsx {

// Inflates one zip entry as it is read. Counts the bytes itself: a part that stops short of
// its stated size is truncated, one that runs past the limit is refused.
class ZipPartSource : public PartSource {
 public:
  struct Close {
    void operator()(zip_file_t* entry) const;
  };
  using Handle = std::unique_ptr<zip_file_t, Close>;
  struct Discard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
  };
  using ArchiveHandle = std::unique_ptr<zip_t, Discard>;

  // `archive`, when set, is the handle `entry` was opened on, kept for the part alone.
  ZipPartSource(std::filesystem::path file, std::string partName, ArchiveHandle archive,
                Handle entry, std::uint64_t statedSize, std::uint64_t maxBytes);

  std::size_t read(char* buffer, std::size_t capacity) override;

 private:
  std::filesystem::path file_;
  std::string partName_;
  ArchiveHandle archive_;  // closed after the entry
  Handle entry_;
  std::uint64_t statedSize_;
  std::uint64_t maxBytes_;
  std::uint64_t delivered_ = 0;
};

}  // namespace quillmere::source::xlsx
