#pragma once

#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "source/xlsx/PartSource.h"

namespace quillmere::source::xlsx {

// Opens one part of a zip archive, as often as asked. libzip's handles serve one thread at a
// time, so a part read on a thread of its own is opened on a handle of its own, made afresh
// from the file and checked to hold the same entry.
class ZipPartOpener {
 public:
  // ISA-L inflates deflated entries when the build has it; zlib, through libzip, the rest.
  enum class Inflater : unsigned char { Fastest, Zlib };

  ZipPartOpener(std::filesystem::path file, std::uint64_t index, std::string partName,
                const zip_stat_t& stat, std::uint64_t maxBytes);

  // The part on a new handle of its own: safe to call and to read on any thread.
  std::unique_ptr<PartSource> operator()() const;

  // The part through `archive`, which the caller keeps to one thread; `owned` (may be null)
  // is a handle the part keeps open for as long as it lives.
  std::unique_ptr<PartSource> openOn(zip_t* archive, zip_t* owned) const;

  const std::string& partName() const { return partName_; }
  // For comparing the two inflaters; every reader uses the fastest.
  void useInflater(Inflater inflater) { inflater_ = inflater; }
  std::uint64_t size() const { return size_; }

 private:
  std::filesystem::path file_;
  std::uint64_t index_;
  std::string partName_;
  std::string entryName_;
  std::uint64_t size_;
  std::uint64_t packedSize_;
  std::optional<std::uint32_t> crc_;
  bool plainDeflate_;  // deflated and not encrypted: ISA-L can read it
  std::uint64_t maxBytes_;
  Inflater inflater_ = Inflater::Fastest;
};

}  // namespace quillmere::source::xlsx
