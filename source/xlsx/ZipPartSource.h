#pragma once

#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "source/xlsx/PartSource.h"

#if QUILLMERE_HAVE_ISAL
#include "source/xlsx/IsalInflater.h"
#endif

namespace quillmere::source::xlsx {

// Inflates one zip entry as it is read, with ISA-L when it was given the raw deflate data,
// else through libzip (zlib). Counts the bytes itself: a part that stops short of its stated
// size is truncated, one that runs past the limit is refused.
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

  // Where the entry is: `on` is the handle it is read through; `owned`, when set, is that
  // same handle, kept for the part alone.
  struct Place {
    zip_t* on = nullptr;
    ArchiveHandle owned;
    std::uint64_t index = 0;
    std::uint64_t statedSize = 0;
    std::optional<std::uint32_t> crc;  // when the archive states one
  };

  // The entry inflated by libzip.
  ZipPartSource(std::filesystem::path file, std::string partName, Place place, Handle entry,
                std::uint64_t maxBytes);
#if QUILLMERE_HAVE_ISAL
  // The entry's raw deflate data, inflated by ISA-L.
  ZipPartSource(std::filesystem::path file, std::string partName, Place place,
                std::unique_ptr<IsalInflater> inflater, std::uint64_t maxBytes);
#endif
  ~ZipPartSource() override;

  std::size_t read(char* buffer, std::size_t capacity) override;

  // Opens the entry through libzip, refusing it with a message the user can act on.
  static Handle openInflated(const std::filesystem::path& file, const std::string& partName,
                             zip_t* archive, std::uint64_t index);

 private:
  std::size_t inflate(char* buffer, std::size_t capacity);
  std::size_t readThroughLibzip(char* buffer, std::size_t capacity);
  // ISA-L declined: libzip reads the entry from its start and passes over what was given.
  void switchToLibzip();
  [[noreturn]] void throwUnpackFailure(const std::string& words, std::optional<int> errorNumber);

  std::filesystem::path file_;
  std::string partName_;
  Place place_;  // its handle is closed after the entry
  Handle entry_;
#if QUILLMERE_HAVE_ISAL
  std::unique_ptr<IsalInflater> inflater_;
#endif
  std::uint64_t maxBytes_;
  std::uint64_t delivered_ = 0;
};

}  // namespace quillmere::source::xlsx
