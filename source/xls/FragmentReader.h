#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "source/xls/FragmentSource.h"

namespace quillmere::source::xls {

// Reads one record's data together with its CONTINUE records as a single sequence of
// bytes, except inside the characters of a BIFF8 string: there each continuation starts
// again with its own flag byte saying whether the characters are one or two bytes wide.
// The CONTINUE records are taken from `more` only as the reading reaches them.
class FragmentReader {
 public:
  // `first` is the record's own data; it and `more` outlive the reader.
  FragmentReader(const std::filesystem::path& file, std::string_view first, FragmentSource& more);

  bool atEnd();

  std::uint8_t u8();
  std::uint16_t u16();
  std::uint32_t u32();
  void skip(std::size_t count);

  // A BIFF8 string with a 16-bit (or, for short strings, 8-bit) character count, its
  // formatting runs and phonetic block skipped; appends its text as UTF-8.
  void appendUnicodeString(std::string& out, bool eightBitCount = false);

  // `count` bytes of 8-bit text (BIFF2-5), copied out across fragments.
  std::string bytes(std::size_t count);

 private:
  // Moves to the next fragment when the current one is used up; false when all are.
  bool ensureData();

  const std::filesystem::path* file_;
  FragmentSource* more_;
  std::string_view current_;
  std::size_t position_ = 0;
  bool exhausted_ = false;
  std::u16string units_;  // of a string whose characters go on in the next fragment
};

}  // namespace quillmere::source::xls
