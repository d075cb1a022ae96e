#pragma once

#include <cstdint>

#include "source/ReadLimits.h"
#include "source/csv/InputFile.h"
#include "source/csv/TextEncoding.h"

namespace quillmere::source::csv {

// How a text file of values is written: its encoding, where its text starts (after a
// byte-order mark) and the character between fields.
struct CsvFormat {
  TextEncoding encoding = TextEncoding::Utf8;
  std::uint64_t textOffset = 0;
  char separator = ',';
};

// Bytes of the file's start that the separator is guessed from.
inline constexpr std::size_t kFormatSampleBytes = 64 * 1024;

// Tells the format from the file's bytes: a byte-order mark names the encoding; without one
// the whole file is read once to see whether it is valid UTF-8, else it is Windows-1252.
// Throws WorkbookError for a file that says it is UTF-8 but is not, or that is too big.
CsvFormat detectCsvFormat(InputFile& file, const ReadLimits& limits);

}  // namespace quillmere::source::csv
