#include "source/csv/CsvSheetReader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "source/CellReference.h"
#include "source/DamagedFile.h"
#include "source/WorkbookError.h"
#include "source/csv/AsciiText.h"

namespace quillmere::source::csv {

namespace {

using Kind = WorkbookError::Kind;

// CR, LF and CR LF each end a line.
std::uint64_t countLineBreaks(const char* p, const char* const end) {
  std::uint64_t breaks = 0;
  while ((p = findLineBreak(p, end)) != end) {
    if (*p == '\r' && p + 1 < end && p[1] == '\n') ++p;
    ++p;
    ++breaks;
  }
  return breaks;
}

}  // namespace

CsvSheetReader::CsvSheetReader(InputFile file, const CsvFormat& format, const ReadLimits& limits,
                               std::size_t bufferBytes)
    : file_(std::move(file)),
      format_(format),
      limits_(limits),
      utf16_(format.encoding),
      lines_(format.textOffset),
      minRoom_(format.utf16() ? CsvTextDecoder::kMaxGrowth + CsvTextDecoder::kSlack : 1) {
  bufferBytes = std::max<std::size_t>(bufferBytes, 1);
  readBytes_ = bufferBytes;
  if (format_.utf16()) {
    raw_.resize(bufferBytes);
    buffer_.resize(bufferBytes * CsvTextDecoder::kMaxGrowth + CsvTextDecoder::kSlack);
  } else {
    buffer_.resize(bufferBytes);
  }
  stops_[static_cast<unsigned char>(format_.separator)] = true;
  stops_[static_cast<unsigned char>('\r')] = true;
  stops_[static_cast<unsigned char>('\n')] = true;
  rewind();
}

std::uint32_t CsvSheetReader::gridRows() const {
  return kMaxGridRows;
}

void CsvSheetReader::rewind() {
  file_.seek(format_.textOffset);
  utf16_.reset();
  lines_.reset(format_.textOffset);
  begin_ = next_ = end_ = held_ = 0;
  eof_ = false;
  bytesRead_ = format_.textOffset;
  records_ = 0;
  lineBreaksInValues_ = 0;
  row_ = 0;
  fields_.clear();
}

std::size_t CsvSheetReader::decodeUtf16(std::size_t got) {
  CsvTextDecoder::Fault fault = CsvTextDecoder::Fault::None;
  const std::size_t produced =
      utf16_.decode(std::string_view(raw_.data(), got), buffer_.data() + end_, fault);
  switch (fault) {
    case CsvTextDecoder::Fault::LoneSurrogate:
      throw damagedFile(file_.path(),
                        "near row " + std::to_string(records_) +
                            " its UTF-16 text has half a character (a lone surrogate).");
    case CsvTextDecoder::Fault::Nul:
      throwNulByte(file_, format_);
    case CsvTextDecoder::Fault::None:
      break;
  }
  return produced;
}

void CsvSheetReader::checkLines() {
  switch (lines_.stop()) {
    case LineDecoder::Stop::NulByte:
      throwNulByte(file_, format_);
    case LineDecoder::Stop::MixedLine:
      throwMixedLine(file_, format_, lines_.stopOffset());
    case LineDecoder::Stop::None:
      break;
  }
}

CellValue CsvSheetReader::cell(std::size_t column) const {
  if (column >= fields_.size() || fields_[column].length == 0) return CellValue::empty();
  const Field& f = fields_[column];
  return CellValue::ofText(std::string_view(buffer_.data() + begin_ + f.offset, f.length));
}

bool CsvSheetReader::nextRow() {
  for (;;) {
    if (!readRecord()) {
      fields_.clear();
      return false;
    }
    if (fields_.empty()) continue;  // an empty line: a row without cells
    if (records_ > kMaxGridRows) {
      throw WorkbookError(Kind::LimitExceeded, file_.path(),
                          "has more than " + std::to_string(kMaxGridRows) +
                              " rows, the most a worksheet can hold. Split it into smaller "
                              "files.");
    }
    row_ = static_cast<std::uint32_t>(records_);
    return true;
  }
}

void CsvSheetReader::throwCorrupt(const std::string& problem) const {
  throw WorkbookError(Kind::Corrupt, file_.path(), problem);
}

void CsvSheetReader::throwFieldTooLong(std::uint64_t quoteLine) const {
  const auto column = static_cast<std::uint32_t>(fields_.size());
  throw WorkbookError(Kind::LimitExceeded, file_.path(),
                      "has a value longer than " + std::to_string(limits_.maxCellTextBytes) +
                          " bytes in cell " + columnLetters(column) + std::to_string(records_) +
                          (quoteLine != 0 ? " (a closing quote may be missing: the value's "
                                            "quote opens on line " +
                                                std::to_string(quoteLine) + ")."
                                          : "."),
                      {.row = currentRow()});
}

void CsvSheetReader::throwUnclosedQuote(std::uint64_t quoteLine) const {
  const std::string line = std::to_string(quoteLine);
  throwCorrupt("has a quote on line " + line +
               " that opens a value but never closes it, so the rest of the file would be one "
               "cell. Add the missing closing quote on line " +
               line + " in a text editor, then open the file again.");
}

const char* CsvSheetReader::findStop(const char* p, const char* const end) const {
#if defined(__SSE2__)
  // Sixteen bytes at a time: most fields end within the first block.
  const __m128i separator = _mm_set1_epi8(format_.separator);
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  while (end - p >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i hits =
        _mm_or_si128(_mm_cmpeq_epi8(block, separator),
                     _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
    const int mask = _mm_movemask_epi8(hits);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  while (p < end && !stops_[static_cast<unsigned char>(*p)])
    ++p;
  return p;
}

bool CsvSheetReader::refill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ + held_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (eof_) return false;
  for (;;) {
    const std::size_t room = buffer_.size() - end_ - held_;
    if (room < minRoom_) {
      if (end_ >= kMaxRecordBytes) {
        throw WorkbookError(Kind::LimitExceeded, file_.path(),
                            "has a row longer than " + std::to_string(kMaxRecordBytes >> 20) +
                                " MiB at row " + std::to_string(records_) +
                                ", more than Quillmere reads.",
                            {.row = currentRow()});
      }
      buffer_.resize(std::max(buffer_.size() * 2, end_ + held_ + minRoom_));
      continue;
    }
    std::size_t got = 0;
    std::size_t produced = 0;
    if (format_.utf16()) {
      const std::size_t want =
          std::min(raw_.size(), (room - CsvTextDecoder::kSlack) / CsvTextDecoder::kMaxGrowth);
      got = file_.read(raw_.data(), want);
      produced = decodeUtf16(got);
    } else {
      // Read behind the bytes of a character held back last time, and decode in place. A
      // read no larger than the first buffer bounds what decoding it can grow to.
      got = file_.read(buffer_.data() + end_ + held_, std::min(room, readBytes_));
      produced =
          got == 0 ? lines_.finish(buffer_, end_) : lines_.decode(buffer_, end_, held_ + got, raw_);
      checkLines();
      held_ = lines_.held();
    }
    if (got == 0) {
      eof_ = true;
      if (!utf16_.complete()) {
        throw damagedFile(file_.path(), "its UTF-16 text ends in the middle of a character.");
      }
      end_ += produced;
      return produced > 0;
    }
    bytesRead_ += got;
    if (bytesRead_ > limits_.maxFileBytes) {
      throw WorkbookError(Kind::LimitExceeded, file_.path(),
                          "grew past " + std::to_string(limits_.maxFileBytes >> 20) +
                              " MiB while it was read, the most Quillmere reads as a text "
                              "file.");
    }
    end_ += produced;
    if (produced > 0) return true;
  }
}

bool CsvSheetReader::readRecord() {
  fields_.clear();
  begin_ = next_;
  std::size_t i = begin_;  // the byte being looked at
  std::size_t start = i;   // the current field's text
  std::size_t w = i;       // where a quoted field's text is written back
  const auto more = [&] {
    const std::size_t shift = begin_;
    const bool read = refill();
    i -= shift;
    start -= shift;
    w -= shift;
    return read;
  };
  if (i == end_ && !more()) {
    next_ = i;
    return false;
  }
  ++records_;
  bool sawQuote = false;
  for (;;) {
    if (fields_.size() == kMaxGridColumns) {
      throw WorkbookError(Kind::LimitExceeded, file_.path(),
                          "has more than " + std::to_string(kMaxGridColumns) + " values in row " +
                              std::to_string(records_) + ", the most a worksheet row can hold.",
                          {.row = currentRow()});
    }
    std::size_t length = 0;
    std::uint64_t quoteLine = 0;
    if (buffer_[i] == '"') {
      sawQuote = true;
      quoteLine = records_ + lineBreaksInValues_;
      start = w = ++i;
      for (;;) {
        if (i == end_) {
          checkFieldLength(w - start, quoteLine);
          // A quote that never closes would make the rest of the file one value, and every
          // contact after it would vanish.
          if (!more()) throwUnclosedQuote(quoteLine);
          continue;
        }
        const auto* quote =
            static_cast<const char*>(std::memchr(buffer_.data() + i, '"', end_ - i));
        const std::size_t stop = quote ? static_cast<std::size_t>(quote - buffer_.data()) : end_;
        if (w != i) std::memmove(buffer_.data() + w, buffer_.data() + i, stop - i);
        w += stop - i;
        i = stop;
        if (!quote) continue;
        ++i;
        if (i == end_ && !more()) break;
        if (buffer_[i] != '"') break;
        buffer_[w++] = '"';
        ++i;
      }
      // Text between the closing quote and the separator is kept as written.
      for (;;) {
        if (i == end_) {
          checkFieldLength(w - start, quoteLine);
          if (!more()) break;
          continue;
        }
        const char c = buffer_[i];
        if (stops_[static_cast<unsigned char>(c)]) break;
        buffer_[w++] = c;
        ++i;
      }
      length = w - start;
      lineBreaksInValues_ += countLineBreaks(buffer_.data() + start, buffer_.data() + w);
    } else {
      start = i;
      for (;;) {
        i = static_cast<std::size_t>(findStop(buffer_.data() + i, buffer_.data() + end_) -
                                     buffer_.data());
        if (i < end_) break;
        checkFieldLength(i - start, 0);
        if (!more()) break;
      }
      length = i - start;
    }
    checkFieldLength(length, quoteLine);
    fields_.push_back(
        {static_cast<std::uint32_t>(start - begin_), static_cast<std::uint32_t>(length)});
    if (i == end_) break;  // the end of the file
    const char c = buffer_[i++];
    if (c == format_.separator) {
      if (i == end_ && !more()) {
        fields_.push_back({0, 0});  // a separator just before the end of the file
        break;
      }
      continue;
    }
    if (c == '\r' && (i < end_ || more()) && buffer_[i] == '\n') ++i;
    break;
  }
  next_ = i;
  if (fields_.size() == 1 && fields_[0].length == 0 && !sawQuote) fields_.clear();
  return true;
}

}  // namespace quillmere::source::csv
