#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillmere::source {

// Bounds that keep a hostile or broken file from exhausting memory or time. Each one has
// its own message when exceeded. Tests pass smaller values.
struct ReadLimits {
  // Uncompressed size of any one part of an archive (worksheet, shared strings, ...): a
  // million-row sheet is a few hundred MiB, a zip bomb far more.
  std::uint64_t maxPartBytes = std::uint64_t{4} << 30;
  // Uncompressed size of a large part as a multiple of its compressed size. Real sheets of
  // identical styled rows pack about 120 times and XML comments near 700, but only in parts of
  // tens of MiB; a zip bomb packs about a thousand times, so above the floor this refuses it
  // at once instead of unpacking gigabytes to find it out.
  std::uint64_t maxInflationRatio = 200;
  // A part that unpacks to no more than this is never refused for its ratio: the part-size,
  // cell, row and string limits already bound what reading it costs in time and memory.
  std::uint64_t inflationRatioFloorBytes = std::uint64_t{256} << 20;
  // Bytes of one cell's text; the spreadsheet limit is 32,767 characters.
  std::size_t maxCellTextBytes = 32767 * 4;
  // Bytes of text in one row, all its cells together: a grid row can hold 16,384 cells of
  // 32,767 characters (2 GiB), while a row of a contact list holds a few kilobytes.
  std::size_t maxRowTextBytes = std::size_t{32} << 20;
  // Total bytes of the shared-string pool.
  std::uint64_t maxSharedStringBytes = std::uint64_t{1} << 30;
  // Strings in the shared-string table: each costs its place in the table even when empty,
  // which the pool's bytes do not count. A million rows of sixteen different texts need 16.8
  // million.
  std::uint64_t maxSharedStrings = std::uint64_t{1} << 26;
  // Bytes of a whole file that is read as text (.csv), as a compound file (.xls) or as flat
  // OpenDocument XML (.fods).
  std::uint64_t maxFileBytes = std::uint64_t{2} << 30;
  // Cells an OpenDocument sheet's repeat counts may add to the cells it writes out: one written
  // cell can stand for a whole grid of 17 billion. A million rows of sixty-four columns fit.
  std::uint64_t maxRepeatedCells = std::uint64_t{1} << 26;
};

// What every reader says of a row or a shared-string table past its limit, after the file's
// name, so the words are the same whatever the format.
std::string rowTextPastLimit(std::uint32_t row, std::size_t limit);
std::string sharedStringsPastLimit(std::uint64_t limit);
std::string repeatsPastLimit(std::uint64_t limit);

}  // namespace quillmere::source
