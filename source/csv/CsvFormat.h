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
  // False while only ASCII has been seen of a file without a mark: UTF-8 or Windows-1252 is
  // then decided when the first byte above 0x7F is read, so an ASCII file is read once.
  bool encodingSettled = true;
};

// Bytes of the file's start that the separator is guessed from.
inline constexpr std::size_t kFormatSampleBytes = 64 * 1024;

// Tells the format from the file's bytes: a byte-order mark names the encoding; without one
// the file is UTF-8 when all of it is valid UTF-8, else Windows-1252. When the sample is all
// ASCII that check waits for the first other byte (see CsvFormat::encodingSettled).
// Throws WorkbookError for a file that says it is UTF-8 but is not, or that is too big.
CsvFormat detectCsvFormat(InputFile& file, const ReadLimits& limits);

// The encoding of a file without a mark whose bytes before `from` are all ASCII: reads from
// there to the end. Leaves the file's position at its end.
TextEncoding encodingFrom(InputFile& file, std::uint64_t from, const ReadLimits& limits);

}  // namespace quillmere::source::csv
