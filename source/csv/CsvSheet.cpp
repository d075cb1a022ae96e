#include "source/csv/CsvSheet.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "source/CellReference.h"
#include "source/WorkbookError.h"
#include "source/csv/Utf8Validator.h"

namespace quillmere::source::csv {

namespace {

using Kind = WorkbookError::Kind;

}  // namespace

CsvSheet::CsvSheet(InputFile file, const CsvFormat& format, const ReadLimits& limits,
                   std::size_t bufferBytes)
    : file_(std::move(file)),
      format_(format),
      limits_(limits),
      decoder_(format.encoding),
      minRoom_(format.encoding == TextEncoding::Utf8
                   ? 1
                   : TextDecoder::kMaxGrowth + TextDecoder::kSlack) {
  bufferBytes = std::max<std::size_t>(bufferBytes, 1);
  if (format_.encoding == TextEncoding::Utf8) {
    buffer_.resize(bufferBytes);
  } else {
    raw_.resize(bufferBytes);
    buffer_.resize(bufferBytes * TextDecoder::kMaxGrowth + TextDecoder::kSlack);
  }
  stops_[static_cast<unsigned char>(format_.separator)] = true;
  stops_[static_cast<unsigned char>('\r')] = true;
  stops_[static_cast<unsigned char>('\n')] = true;
  rewind();
}

std::uint32_t CsvSheet::gridRows() const {
  return kMaxGridRows;
}

void CsvSheet::rewind() {
  file_.seek(format_.textOffset);
  decoder_.reset();
  begin_ = next_ = end_ = 0;
  eof_ = false;
  bytesRead_ = format_.textOffset;
  records_ = 0;
  row_ = 0;
  fields_.clear();
}

CellValue CsvSheet::cell(std::size_t column) const {
  if (column >= fields_.size() || fields_[column].length == 0) return CellValue::empty();
  const Field& f = fields_[column];
  return CellValue::ofText(std::string_view(buffer_.data() + begin_ + f.offset, f.length));
}

bool CsvSheet::nextRow() {
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

void CsvSheet::throwCorrupt(const std::string& problem) const {
  throw WorkbookError(Kind::Corrupt, file_.path(), problem);
}

void CsvSheet::throwFieldTooLong(bool quoted) const {
  const auto column = static_cast<std::uint32_t>(fields_.size());
  throw WorkbookError(Kind::LimitExceeded, file_.path(),
                      "has a value longer than " + std::to_string(limits_.maxCellTextBytes) +
                          " bytes in cell " + columnLetters(column) + std::to_string(records_) +
                          (quoted ? " (a closing quote may be missing)." : "."));
}

const char* CsvSheet::findStop(const char* p, const char* const end) const {
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

bool CsvSheet::refill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (eof_) return false;
  for (;;) {
    const std::size_t room = buffer_.size() - end_;
    if (room < minRoom_) {
      if (end_ >= kMaxRecordBytes) {
        throw WorkbookError(Kind::LimitExceeded, file_.path(),
                            "has a row longer than " + std::to_string(kMaxRecordBytes >> 20) +
                                " MiB at row " + std::to_string(records_) +
                                ", more than Quillmere reads.");
      }
      buffer_.resize(std::max(buffer_.size() * 2, end_ + minRoom_));
      continue;
    }
    std::size_t got = 0;
    std::size_t produced = 0;
    if (format_.encoding == TextEncoding::Utf8) {
      got = produced = file_.read(buffer_.data() + end_, room);
      if (!format_.encodingSettled && got > 0) produced = settleEncoding(got);
    } else {
      const std::size_t want =
          std::min(raw_.size(), (room - TextDecoder::kSlack) / TextDecoder::kMaxGrowth);
      got = file_.read(raw_.data(), want);
      bool ok = true;
      produced = decoder_.decode(std::string_view(raw_.data(), got), buffer_.data() + end_, ok);
      if (!ok) {
        throwCorrupt("is damaged: near row " + std::to_string(records_) +
                     " its UTF-16 text has half a character (a lone surrogate).");
      }
    }
    if (got == 0) {
      eof_ = true;
      if (!decoder_.complete()) {
        throwCorrupt("is damaged: its UTF-16 text ends in the middle of a character.");
      }
      return false;
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

std::size_t CsvSheet::settleEncoding(std::size_t got) {
  const auto* const start = reinterpret_cast<const unsigned char*>(buffer_.data() + end_);
  const auto* const stop = start + got;
  const auto* const p = skipAscii(start, stop);
  if (p == stop) return got;
  // Everything before this byte is ASCII, the same in both encodings, so the check of the
  // rest decides for the whole file and rows already read stay as they are.
  const auto ascii = static_cast<std::size_t>(p - start);
  format_.encoding = encodingFrom(file_, bytesRead_ + ascii, limits_);
  format_.encodingSettled = true;
  file_.seek(bytesRead_ + got);
  if (format_.encoding == TextEncoding::Utf8) return got;

  decoder_ = TextDecoder(format_.encoding);
  minRoom_ = TextDecoder::kMaxGrowth + TextDecoder::kSlack;
  raw_.assign(reinterpret_cast<const char*>(p), reinterpret_cast<const char*>(stop));
  const std::size_t tailAt = end_ + ascii;
  const std::size_t needed = tailAt + raw_.size() * TextDecoder::kMaxGrowth + TextDecoder::kSlack;
  if (buffer_.size() < needed) buffer_.resize(needed);
  bool ok = true;
  const std::size_t decoded =
      decoder_.decode(std::string_view(raw_.data(), raw_.size()), buffer_.data() + tailAt, ok);
  raw_.resize(std::max(raw_.size(), buffer_.size() / TextDecoder::kMaxGrowth));
  return ascii + decoded;
}

bool CsvSheet::readRecord() {
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
                              std::to_string(records_) + ", the most a worksheet row can hold.");
    }
    std::size_t length = 0;
    const bool quoted = buffer_[i] == '"';
    if (quoted) {
      sawQuote = true;
      start = w = ++i;
      bool closed = false;
      for (;;) {
        if (i == end_) {
          checkFieldLength(w - start, true);
          // No closing quote before the end: the rest of the file is the value, as
          // spreadsheet programs read it.
          if (!more()) break;
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
        if (i == end_ && !more()) {
          closed = true;
          break;
        }
        if (buffer_[i] == '"') {
          buffer_[w++] = '"';
          ++i;
          continue;
        }
        closed = true;
        break;
      }
      // Text between the closing quote and the separator is kept as written.
      while (closed) {
        if (i == end_) {
          checkFieldLength(w - start, true);
          if (!more()) break;
          continue;
        }
        const char c = buffer_[i];
        if (stops_[static_cast<unsigned char>(c)]) break;
        buffer_[w++] = c;
        ++i;
      }
      length = w - start;
    } else {
      start = i;
      for (;;) {
        i = static_cast<std::size_t>(findStop(buffer_.data() + i, buffer_.data() + end_) -
                                     buffer_.data());
        if (i < end_) break;
        checkFieldLength(i - start, false);
        if (!more()) break;
      }
      length = i - start;
    }
    checkFieldLength(length, quoted);
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
