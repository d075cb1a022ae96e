#pragma once

#include <cstddef>
#include <cstdint>

namespace quillmere::source {

// Bounds that keep a hostile or broken file from exhausting memory or time. Each one has
// its own message when exceeded. Tests pass smaller values.
struct ReadLimits {
  // Uncompressed size of any one part of an archive (worksheet, shared strings, ...): a
  // million-row sheet is a few hundred MiB, a zip bomb far more.
  std::uint64_t maxPartBytes = std::uint64_t{4} << 30;
  // Bytes of one cell's text; the spreadsheet limit is 32,767 characters.
  std::size_t maxCellTextBytes = 32767 * 4;
  // Total bytes of the shared-string pool.
  std::uint64_t maxSharedStringBytes = std::uint64_t{1} << 30;
  // Bytes of a whole file that is read as text (.csv) or as a compound file (.xls).
  std::uint64_t maxFileBytes = std::uint64_t{2} << 30;
};

}  // namespace quillmere::source
