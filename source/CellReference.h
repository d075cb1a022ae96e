#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere::source {

// A cell position: row counted from 1, column from 0 (column A is 0).
struct CellPosition {
  std::uint32_t row = 0;
  std::uint32_t column = 0;
  friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// Column letters for a 0-based column index: 0 -> "A", 26 -> "AA", 16383 -> "XFD".
std::string columnLetters(std::uint32_t column);

// Parses a reference such as "A1" or "AB12" (letters are upper or lower case); nothing for a
// malformed reference or one past the largest grid (16384 columns, 1048576 rows).
std::optional<CellPosition> parseCellReference(std::string_view reference);

// Parses the column letters alone ("AB" -> 27); nothing past column XFD.
std::optional<std::uint32_t> parseColumnLetters(std::string_view letters);

inline constexpr std::uint32_t kMaxGridColumns = 16384;
inline constexpr std::uint32_t kMaxGridRows = 1048576;

}  // namespace quillmere::source
