#pragma once

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
};

namespace reference_detail {

// The one reading of an "A1"-style reference; `atEnd(p)` says whether the text stops at p.
template <typename AtEnd>
inline ScannedReference scan(const char* begin, AtEnd atEnd) {
  using Status = ScannedReference::Status;
  ScannedReference scanned;
  const char* p = begin;
  // Checked against the grid at every step, so neither number comes near overflowing.
  std::uint32_t column = 0;  // 1-based while accumulating
  for (; !atEnd(p); ++p) {
    char c = *p;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + static_cast<std::uint32_t>(c - 'A' + 1);
    if (column > kMaxGridColumns) {
      scanned.status = Status::ColumnTooLarge;
      return scanned;
    }
  }
  if (p == begin) return scanned;
  scanned.rowDigits = p;
  std::uint32_t row = 0;
  for (; !atEnd(p); ++p) {
    if (*p < '0' || *p > '9') return scanned;
    row = row * 10 + static_cast<std::uint32_t>(*p - '0');
    if (row > kMaxGridRows) {
      scanned.status = Status::RowTooLarge;
      return scanned;
    }
  }
  scanned.status = Status::Ok;
  scanned.position = {row, column - 1};
  return scanned;
}

}  // namespace reference_detail

// Reads [begin, end) as column letters in either case, then the row's digits, which may be
// missing or begin with zeros, as worksheets write them. A column past XFD is found before
// anything after the letters, a row past the grid before a stray character after it. Inline,
// since a sheet's row parser reads one reference per cell.
inline ScannedReference scanCellReference(const char* begin, const char* end) {
  return reference_detail::scan(begin, [end](const char* p) { return p == end; });
}

// The same over a NUL-terminated text, such as an XML attribute's value, which saves measuring
// it first.
inline ScannedReference scanCellReference(const char* text) {
  return reference_detail::scan(text, [](const char* p) { return *p == '\0'; });
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
