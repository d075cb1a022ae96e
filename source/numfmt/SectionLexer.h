#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "source/numfmt/Condition.h"

namespace quillmere::source::numfmt {

enum class RawKind : std::uint8_t {
  Literal,      // `text` is shown as it is
  Placeholder,  // `symbol` is '0', '#' or '?'
  Point,
  Comma,
  Percent,
  Exponent,  // `symbol` is 'E' or 'e', `count` 1 for "E+", 0 for "E-"
  Slash,
  Digit,  // an unquoted 1-9, `symbol` the digit
  At,
  General,
  DateCode,  // `symbol` is the lower-case letter y m d h s, `count` how often it repeats
  AmPm,      // `text` is the AM/PM or A/P as written
  Elapsed,   // [h] [mm] [ss]: `symbol` the lower-case letter, `count` how often it repeats
};

struct RawToken {
  RawKind kind = RawKind::Literal;
  char symbol = 0;
  std::uint8_t count = 0;
  std::string_view text;  // points into the code or into static text
};

struct LexedSection {
  std::vector<RawToken> tokens;
  std::optional<Condition> condition;
};

inline bool isPlaceholderAt(const std::vector<RawToken>& tokens, std::size_t i) {
  return i < tokens.size() && tokens[i].kind == RawKind::Placeholder;
}

// Reads one section's characters into tokens. Colours and locale tags leave no token, a
// currency tag [$€-407] leaves its symbol as a literal. Nothing when the section holds what a
// format code may not: an unknown letter or bracket, an open quote, two conditions.
std::optional<LexedSection> lexSection(std::string_view section);

}  // namespace quillmere::source::numfmt
