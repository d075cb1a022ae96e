#include "tools/ClosestName.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <numeric>
#include <vector>

namespace quillmere::tools {

namespace {

char folded(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Levenshtein distance over case-folded characters, one row at a time.
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t substitution = diagonal + (folded(a[i - 1]) == folded(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
      diagonal = above;
    }
  }
  return row[b.size()];
}

bool beginsWith(std::string_view candidate, std::string_view word) {
  return candidate.size() > word.size() &&
         std::equal(word.begin(), word.end(), candidate.begin(),
                    [](char x, char y) { return folded(x) == folded(y); });
}

}  // namespace

std::optional<std::string_view> closestName(std::string_view word,
                                            std::span<const std::string_view> candidates) {
  if (word.empty()) return std::nullopt;
  std::optional<std::string_view> nearest;
  std::size_t nearestDistance = std::max<std::size_t>(1, word.size() / 3) + 1;
  for (const std::string_view candidate : candidates) {
    const std::size_t distance = editDistance(word, candidate);
    if (distance < nearestDistance) {
      nearest = candidate;
      nearestDistance = distance;
    }
  }
  if (nearest) return nearest;
  for (const std::string_view candidate : candidates) {
    if (beginsWith(candidate, word)) return candidate;
  }
  return std::nullopt;
}

}  // namespace quillmere::tools
