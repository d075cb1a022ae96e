#include "source/csv/CsvFormat.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "source/WorkbookError.h"
#include "source/csv/CsvTextDecoder.h"
#include "source/csv/LineDecoder.h"
#include "source/csv/SeparatorDetector.h"

namespace quillmere::source::csv {

namespace {

using Kind = WorkbookError::Kind;

constexpr std::size_t kScanChunkBytes = 1 << 20;

bool startsWith(std::string_view data, std::string_view prefix) {
  return data.substr(0, prefix.size()) == prefix;
}

[[noreturn]] void throwTooBig(const InputFile& file, const ReadLimits& limits) {
  throw WorkbookError(Kind::LimitExceeded, file.path(),
                      "is larger than " + std::to_string(limits.maxFileBytes >> 20) +
                          " MiB, the most Quillmere reads as a text file.");
}

// The line of the byte at `offset`, or with `offset` unset of the first NUL byte (in UTF-16
// the first NUL character), counted from 1 where the text starts; CR, LF and CR LF each end
// a line. Only a message needs it, so it reads the file again.
std::uint64_t lineOf(InputFile& file, const CsvFormat& format,
                     std::optional<std::uint64_t> offset) {
  const bool little = format.encoding == TextEncoding::Utf16Le;
  file.seek(format.textOffset);
  std::vector<char> chunk(kScanChunkBytes);
  std::uint64_t at = format.textOffset;
  std::uint64_t line = 1;
  bool afterCr = false;
  int pending = -1;  // the first byte of a UTF-16 unit split between chunks
  for (;;) {
    const std::size_t got = file.read(chunk.data(), chunk.size());
    if (got == 0) return line;
    for (std::size_t i = 0; i < got; ++i, ++at) {
      if (offset && at >= *offset) return line;
      auto unit = static_cast<unsigned>(static_cast<unsigned char>(chunk[i]));
      if (format.utf16()) {
        if (pending < 0) {
          pending = static_cast<int>(unit);
          continue;
        }
        unit = little ? (unit << 8 | static_cast<unsigned>(pending))
                      : (static_cast<unsigned>(pending) << 8 | unit);
        pending = -1;
      }
      if (unit == 0 && !offset) return line;
      if (unit == '\n' && !afterCr) ++line;
      if (unit == '\r') ++line;
      afterCr = unit == '\r';
    }
  }
}

// UTF-16 without a byte-order mark: the high bytes of ASCII characters are NUL, and they
// fall on every other byte, the odd ones for little-endian. Text of values has separators,
// digits and line ends, so at least one character in eight is ASCII; binary data has NUL
// bytes on both sides or control characters.
std::optional<TextEncoding> sniffUtf16(std::string_view sample) {
  const std::size_t units = sample.size() / 2;
  std::size_t evenNuls = 0, oddNuls = 0;
  for (std::size_t i = 0; i < units; ++i) {
    evenNuls += sample[2 * i] == '\0' ? 1 : 0;
    oddNuls += sample[2 * i + 1] == '\0' ? 1 : 0;
  }
  const bool little = evenNuls == 0 && oddNuls > 0 && oddNuls * 8 >= units;
  const bool big = oddNuls == 0 && evenNuls > 0 && evenNuls * 8 >= units;
  if (!little && !big) return std::nullopt;
  for (std::size_t i = 0; i < units; ++i) {
    const auto low = static_cast<unsigned char>(sample[2 * i + (little ? 0 : 1)]);
    const auto high = static_cast<unsigned char>(sample[2 * i + (little ? 1 : 0)]);
    if (high == 0 && low < 0x20 && low != '\t' && low != '\r' && low != '\n') return std::nullopt;
  }
  return little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
}

// Decodes the sample as the reading will, to refuse a bad file before any row and to say
// which encoding its lines showed.
TextEncoding sampleEncoding(InputFile& file, const CsvFormat& format, std::string_view sample,
                            bool wholeFile) {
  LineDecoder decoder(format.textOffset);
  std::vector<char> text(sample.begin(), sample.end());
  std::vector<char> scratch;
  decoder.decode(text, 0, text.size(), scratch);
  if (wholeFile && decoder.stop() == LineDecoder::Stop::None) decoder.finish(text, 0);
  switch (decoder.stop()) {
    case LineDecoder::Stop::NulByte:
      throwNulByte(file, format);
    case LineDecoder::Stop::MixedLine:
      throwMixedLine(file, format, decoder.stopOffset());
    case LineDecoder::Stop::None:
      break;
  }
  return decoder.sawWindows1252() && !decoder.sawUtf8() ? TextEncoding::Windows1252
                                                        : TextEncoding::Utf8;
}

std::string decodeSample(std::string_view raw, TextEncoding encoding) {
  if (encoding != TextEncoding::Utf16Le && encoding != TextEncoding::Utf16Be) {
    return std::string(raw);  // separators, quotes and line ends are ASCII
  }
  std::string text(raw.size() * CsvTextDecoder::kMaxGrowth + CsvTextDecoder::kSlack, '\0');
  CsvTextDecoder decoder(encoding);
  CsvTextDecoder::Fault fault = CsvTextDecoder::Fault::None;
  // A sample that ends in a broken character still shows where the separators are.
  text.resize(decoder.decode(raw, text.data(), fault));
  return text;
}

}  // namespace

void throwNulByte(InputFile& file, const CsvFormat& format) {
  throw WorkbookError(Kind::Unsupported, file.path(),
                      "is not a spreadsheet Quillmere can read: it is neither an Excel "
                      "workbook (.xlsx, .xls) nor a text file of comma-separated values "
                      "(.csv). Its line " +
                          std::to_string(lineOf(file, format, std::nullopt)) +
                          " holds a NUL byte, which text never does; the file may be "
                          "damaged.");
}

void throwMixedLine(InputFile& file, const CsvFormat& format, std::uint64_t offset) {
  const std::string line = std::to_string(lineOf(file, format, offset));
  throw WorkbookError(Kind::Corrupt, file.path(),
                      "mixes two text encodings in line " + line +
                          ": it holds UTF-8 characters and bytes that are not UTF-8, so "
                          "Quillmere cannot tell what it says. Correct line " +
                          line + " in a text editor, or save the file again as \"CSV UTF-8\".");
}

CsvFormat detectCsvFormat(InputFile& file, const ReadLimits& limits) {
  std::string head(kFormatSampleBytes, '\0');
  head.resize(file.read(head.data(), head.size()));
  const bool wholeFile = head.size() < kFormatSampleBytes;
  if (head.size() > limits.maxFileBytes) throwTooBig(file, limits);

  CsvFormat format;
  if (startsWith(head, "\xFF\xFE")) {
    format.encoding = TextEncoding::Utf16Le;
    format.textOffset = 2;
  } else if (startsWith(head, "\xFE\xFF")) {
    format.encoding = TextEncoding::Utf16Be;
    format.textOffset = 2;
  } else if (const auto utf16 = sniffUtf16(head)) {
    format.encoding = *utf16;
  } else {
    // A UTF-8 mark says no more than the lines do: a stray line is read the same way.
    if (startsWith(head, "\xEF\xBB\xBF")) format.textOffset = 3;
    format.encoding = sampleEncoding(
        file, format, std::string_view(head).substr(static_cast<std::size_t>(format.textOffset)),
        wholeFile);
  }
  const std::string sample = decodeSample(
      std::string_view(head).substr(static_cast<std::size_t>(format.textOffset)), format.encoding);
  format.separator = detectSeparator(sample, wholeFile);
  return format;
}

}  // namespace quillmere::source::csv
