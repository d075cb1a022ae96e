#include "source/CellReference.h"

#include <algorithm>

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

std::optional<std::uint32_t> parseColumnLetters(std::string_view letters) {
  if (letters.empty()) return std::nullopt;
  std::uint32_t number = 0;  // 1-based while accumulating
  for (const char c : letters) {
    int digit = 0;
    if (c >= 'A' && c <= 'Z') {
      digit = c - 'A' + 1;
    } else if (c >= 'a' && c <= 'z') {
      digit = c - 'a' + 1;
    } else {
      return std::nullopt;
    }
    // Checked before multiplying, so an overlong run of letters cannot wrap around.
    if (number > (kMaxGridColumns - static_cast<std::uint32_t>(digit)) / 26) return std::nullopt;
    number = number * 26 + static_cast<std::uint32_t>(digit);
  }
  return number - 1;
}

std::optional<CellPosition> parseCellReference(std::string_view reference) {
  std::size_t split = 0;
  while (split < reference.size() && ((reference[split] >= 'A' && reference[split] <= 'Z') ||
                                      (reference[split] >= 'a' && reference[split] <= 'z'))) {
    ++split;
  }
  const auto column = parseColumnLetters(reference.substr(0, split));
  const std::string_view digits = reference.substr(split);
  if (!column || digits.empty() || digits.front() == '0') return std::nullopt;
  std::uint32_t row = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint32_t>(c - '0');
    if (row > (kMaxGridRows - digit) / 10) return std::nullopt;
    row = row * 10 + digit;
  }
  return CellPosition{row, *column};
}

}  // namespace quillmere::source
