#pragma once

#include <cstdint>

#include "source/InputFile.h"
#include "source/ReadLimits.h"
#include "source/csv/TextEncoding.h"

namespace quillmere::source::csv {

// How a text file of values is written: its encoding, where its text starts (after a
// byte-order mark) and the character between fields.
struct CsvFormat {
  // For a file that is not UTF-16, the encoding its first lines showed: each line is
  // decoded by its own bytes (see LineDecoder), so one that is Windows-1252 throughout stays
  // so and one that is UTF-8 but for a few lines keeps its UTF-8.
  TextEncoding encoding = TextEncoding::Utf8;
  std::uint64_t textOffset = 0;
  char separator = ',';

  bool utf16() const {
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
  }
};

// Bytes of the file's start that the separator and the encoding are told from.
inline constexpr std::size_t kFormatSampleBytes = 64 * 1024;

// Tells the format from the file's first bytes. A byte-order mark names the encoding; so do
// the NUL bytes of UTF-16 without one, which fall on every other byte. Throws WorkbookError
// when the file is too big, or when those bytes hold a NUL byte or a line mixing UTF-8 and
// other bytes.
CsvFormat detectCsvFormat(InputFile& file, const ReadLimits& limits);

// Refuses a file that holds a NUL byte (or, in UTF-16, a NUL character), naming the line of
// the first: it is not text.
[[noreturn]] void throwNulByte(InputFile& file, const CsvFormat& format);

// Refuses a file with a line that holds both UTF-8 characters and bytes that are not UTF-8;
// `offset` is in that line.
[[noreturn]] void throwMixedLine(InputFile& file, const CsvFormat& format, std::uint64_t offset);

}  // namespace quillmere::source::csv
