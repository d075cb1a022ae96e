#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere::source {

inline constexpr std::uint32_t kMaxGridColumns = 16384;
inline constexpr std::uint32_t kMaxGridRows = 1048576;

// A cell position: row counted from 1, column from 0 (column A is 0).
struct CellPosition {
  std::uint32_t row = 0;
  std::uint32_t column = 0;
  friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// An "A1"-style reference as scanCellReference() reads it.
struct ScannedReference {
  enum class Status : unsigned char { Ok, Malformed, ColumnTooLarge, RowTooLarge };
  Status status = Status::Malformed;
  CellPosition position;            // row 0 when no digits follow the letters
  const char* rowDigits = nullptr;  // where the row's digits begin, once the letters are read
  const char* end = nullptr;        // where the text stops, once Ok
};

namespace reference_detail {

// 0 to 25 for a letter of either case, more for any other byte: clearing bit 5 takes 'a'..'z'
// onto 'A'..'Z' and no other byte there.
inline std::uint32_t letterValue(char c) {
  return (std::uint32_t{static_cast<unsigned char>(c)} - 'A') & ~0x20u;
}

// 0 to 9 for a digit, more for any other byte.
inline std::uint32_t digitValue(char c) {
  return std::uint32_t{static_cast<unsigned char>(c)} - '0';
}

// The one reading of an "A1"-style reference. Both loops have a fixed bound, so that a row
// parser's reading of one reference per cell unrolls. `within(p)` says whether p may be read.
// With `kEachByte` it is asked before every byte; without, the text ends in a byte that is no
// letter or digit, or holds all the bytes the loops can take, and it bounds only a run of
// leading zeros, refusing one that reaches the bound. `atEnd(p)` says whether the text stops
// at p.
template <bool kEachByte, typename Within, typename AtEnd>
inline ScannedReference scan(const char* begin, Within within, AtEnd atEnd) {
  using Status = ScannedReference::Status;
  const auto readable = [&within](const char* p) { return !kEachByte || within(p); };
  ScannedReference scanned;
  const char* p = begin;
  // Three letters reach XFD; a fourth passes the grid whatever it is.
  std::uint32_t column = 0;  // 1-based
  for (int letters = 0; letters < 3 && readable(p); ++letters, ++p) {
    const std::uint32_t letter = letterValue(*p);
    if (letter >= 26) break;
    column = column * 26 + letter + 1;
  }
  if (p == begin) return scanned;
  if ((readable(p) && letterValue(*p) < 26) || column > kMaxGridColumns) {
    scanned.status = Status::ColumnTooLarge;
    return scanned;
  }
  scanned.rowDigits = p;
  // Leading zeros leave the row as it is.
  while (readable(p) && *p == '0') {
    if (!kEachByte && !within(p)) return scanned;
    ++p;
  }
  // Past them, seven digits reach the grid's last row and an eighth passes it.
  std::uint32_t row = 0;
  for (int digits = 0; digits < 7 && readable(p); ++digits, ++p) {
    const std::uint32_t digit = digitValue(*p);
    if (digit >= 10) break;
    row = row * 10 + digit;
  }
  if ((readable(p) && digitValue(*p) < 10) || row > kMaxGridRows) {
    scanned.status = Status::RowTooLarge;
    return scanned;
  }
  if (!atEnd(p)) return scanned;
  scanned.status = Status::Ok;
  scanned.position = {row, column - 1};
  scanned.end = p;
  return scanned;
}

}  // namespace reference_detail

// Reads [begin, end) as column letters in either case, then the row's digits, which may be
// missing or begin with zeros, as worksheets write them. A column past XFD is found before
// anything after the letters, a row past the grid before a stray character after it. Inline,
// since a sheet's row parser reads one reference per cell.
inline ScannedReference scanCellReference(const char* begin, const char* end) {
  return reference_detail::scan<true>(
      begin, [end](const char* p) { return p != end; }, [end](const char* p) { return p == end; });
}

// The same over a NUL-terminated text, such as an XML attribute's value, which saves measuring
// it first.
inline ScannedReference scanCellReference(const char* text) {
  return reference_detail::scan<false>(
      text, [](const char*) { return true; }, [](const char* p) { return *p == '\0'; });
}

// The most bytes the next reading takes.
inline constexpr std::ptrdiff_t kMostQuotedReferenceBytes = 20;

// The same over a reference that ends at the byte `stop`, such as an attribute's value at its
// closing quote in a worksheet's bytes, reading no more than kMostQuotedReferenceBytes from
// `begin`, which must be at hand: leading zeros that run on so far are refused. `end` of the
// result points at `stop`.
inline ScannedReference scanCellReference(const char* begin, char stop) {
  // Past the zeros, seven digits and the byte after them.
  const char* const zerosBound = begin + kMostQuotedReferenceBytes - 8;
  return reference_detail::scan<false>(
      begin, [zerosBound](const char* p) { return p != zerosBound; },
      [stop](const char* p) { return *p == stop; });
}

// Column letters for a 0-based column index: 0 -> "A", 26 -> "AA", 16383 -> "XFD".
std::string columnLetters(std::uint32_t column);

// Parses a reference such as "A1" or "AB12" (letters are upper or lower case); nothing for a
// malformed reference, one without a row or with a leading zero in it, or one past the largest
// grid (16384 columns, 1048576 rows).
std::optional<CellPosition> parseCellReference(std::string_view reference);

// Parses the column letters alone ("AB" -> 27); nothing past column XFD.
std::optional<std::uint32_t> parseColumnLetters(std::string_view letters);

// Parses a row number alone, as a user types it ("3"); nothing for 0, anything that is not
// digits, or a row past the largest grid.
std::optional<std::uint32_t> parseRowNumber(std::string_view digits);

}  // namespace quillmere::source
