#include "source/CellReference.h"

#include <algorithm>
#include <charconv>

namespace quillmere::source {

std::string columnLetters(std::uint32_t column) {
  std::string letters;
  std::uint64_t n = std::uint64_t{column} + 1;
  while (n > 0) {
    const auto rest = (n - 1) % 26;
    letters += static_cast<char>('A' + rest);
    n = (n - 1) / 26;
  }
  std::reverse(letters.begin(), letters.end());
  return letters;
}

std::optional<CellPosition> parseCellReference(std::string_view reference) {
  const char* const end = reference.data() + reference.size();
  const ScannedReference scanned = scanCellReference(reference.data(), end);
  // A reference on its own names a row, written as people write numbers.
  if (scanned.status != ScannedReference::Status::Ok || scanned.position.row == 0 ||
      *scanned.rowDigits == '0') {
    return std::nullopt;
  }
  return scanned.position;
}

std::optional<std::uint32_t> parseColumnLetters(std::string_view letters) {
  const char* const end = letters.data() + letters.size();
  const ScannedReference scanned = scanCellReference(letters.data(), end);
  if (scanned.status != ScannedReference::Status::Ok || scanned.rowDigits != end) {
    return std::nullopt;
  }
  return scanned.position.column;
}

std::optional<std::uint32_t> parseRowNumber(std::string_view digits) {
  std::uint32_t row = 0;
  const char* const end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, row);
  if (error != std::errc{} || stop != end || row == 0 || row > kMaxGridRows) return std::nullopt;
  return row;
}

}  // namespace quillmere::source
