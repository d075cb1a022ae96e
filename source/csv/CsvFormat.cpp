#include "source/csv/CsvFormat.h"

#include <string>
#include <string_view>
#include <vector>

#include "source/WorkbookError.h"
#include "source/csv/SeparatorDetector.h"
#include "source/csv/TextDecoder.h"
#include "source/csv/Utf8Validator.h"

namespace quillmere::source::csv {

namespace {

using Kind = WorkbookError::Kind;

constexpr std::size_t kValidationChunkBytes = 1 << 20;

bool startsWith(std::string_view data, std::string_view prefix) {
  return data.substr(0, prefix.size()) == prefix;
}

[[noreturn]] void throwTooBig(const InputFile& file, const ReadLimits& limits) {
  throw WorkbookError(Kind::LimitExceeded, file.path(),
                      "is larger than " + std::to_string(limits.maxFileBytes >> 20) +
                          " MiB, the most Quillmere reads as a text file.");
}

// Reads the file from its start to its end through a UTF-8 check; `head` is already read.
Utf8Validator validateRest(InputFile& file, std::string_view head, const ReadLimits& limits) {
  Utf8Validator validator;
  if (!validator.feed(head)) return validator;
  std::vector<char> chunk(kValidationChunkBytes);
  std::uint64_t total = head.size();
  for (;;) {
    const std::size_t got = file.read(chunk.data(), chunk.size());
    if (got == 0) break;
    total += got;
    if (total > limits.maxFileBytes) throwTooBig(file, limits);
    if (!validator.feed(std::string_view(chunk.data(), got))) break;
  }
  return validator;
}

std::string decodeSample(std::string_view raw, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8) return std::string(raw);
  std::string text(raw.size() * TextDecoder::kMaxGrowth + TextDecoder::kSlack, '\0');
  TextDecoder decoder(encoding);
  bool ok = true;
  // A sample that ends in a broken character still shows where the separators are.
  text.resize(decoder.decode(raw, text.data(), ok));
  return text;
}

}  // namespace

CsvFormat detectCsvFormat(InputFile& file, const ReadLimits& limits) {
  std::string head(kFormatSampleBytes, '\0');
  head.resize(file.read(head.data(), head.size()));
  const bool wholeFile = head.size() < kFormatSampleBytes;
  if (head.size() > limits.maxFileBytes) throwTooBig(file, limits);

  CsvFormat format;
  if (startsWith(head, "\xEF\xBB\xBF")) {
    format.textOffset = 3;
    const Utf8Validator check = validateRest(file, std::string_view(head).substr(3), limits);
    if (!check.complete()) {
      throw WorkbookError(Kind::Corrupt, file.path(),
                          "says it is UTF-8 text but is not: byte " +
                              std::to_string(check.offset() + 4) +
                              " is not part of a UTF-8 character. Save it again as "
                              "\"CSV UTF-8\" in your spreadsheet program.");
    }
  } else if (startsWith(head, "\xFF\xFE")) {
    format.encoding = TextEncoding::Utf16Le;
    format.textOffset = 2;
  } else if (startsWith(head, "\xFE\xFF")) {
    format.encoding = TextEncoding::Utf16Be;
    format.textOffset = 2;
  } else {
    Utf8Validator sampleCheck;
    sampleCheck.feed(head);
    if (wholeFile || sampleCheck.sawNonAscii()) {
      const Utf8Validator check = validateRest(file, head, limits);
      // Without a mark, text that is not UTF-8 is taken as what Windows writes by default.
      if (!check.complete()) format.encoding = TextEncoding::Windows1252;
    } else {
      format.encodingSettled = false;
    }
  }
  const std::string sample = decodeSample(
      std::string_view(head).substr(static_cast<std::size_t>(format.textOffset)), format.encoding);
  format.separator = detectSeparator(sample, wholeFile);
  return format;
}

TextEncoding encodingFrom(InputFile& file, std::uint64_t from, const ReadLimits& limits) {
  file.seek(from);
  return validateRest(file, {}, limits).complete() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

}  // namespace quillmere::source::csv
