#include "source/numfmt/SectionLexer.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>

namespace quillmere::source::numfmt {

namespace {

constexpr std::string_view kColours[] = {"black",   "blue", "cyan",  "green",
                                         "magenta", "red",  "white", "yellow"};
constexpr int kHighestColourIndex = 56;
constexpr std::string_view kSingleSpace = " ";
constexpr std::string_view kLiteralCharacters = "$-+():!^&'~{}<>= ";

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (lower(text[i]) != prefix[i]) return false;
  }
  return true;
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
  return text.size() == word.size() && startsWithIgnoringCase(text, word);
}

// Length of the UTF-8 character starting at `at`: the lead byte and its continuation bytes.
std::size_t characterLength(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  if (static_cast<unsigned char>(text[at]) >= 0x80) {
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
      ++end;
  }
  return end - at;
}

std::uint8_t clampedCount(std::size_t count) {
  return static_cast<std::uint8_t>(
      std::min<std::size_t>(count, std::numeric_limits<std::uint8_t>::max()));
}

bool isColour(std::string_view name) {
  for (const std::string_view colour : kColours) {
    if (equalsIgnoringCase(name, colour)) return true;
  }
  if (!startsWithIgnoringCase(name, "color")) return false;
  int index = 0;
  const std::string_view digits = name.substr(5);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  return error == std::errc{} && end == digits.data() + digits.size() && index >= 1 &&
         index <= kHighestColourIndex;
}

std::optional<Condition> parseCondition(std::string_view text) {
  Condition condition;
  std::size_t operatorLength = 1;
  if (text.starts_with("<=")) {
    condition.comparison = Comparison::LessOrEqual, operatorLength = 2;
  } else if (text.starts_with(">=")) {
    condition.comparison = Comparison::GreaterOrEqual, operatorLength = 2;
  } else if (text.starts_with("<>")) {
    condition.comparison = Comparison::NotEqual, operatorLength = 2;
  } else if (text.starts_with('<')) {
    condition.comparison = Comparison::Less;
  } else if (text.starts_with('>')) {
    condition.comparison = Comparison::Greater;
  } else if (text.starts_with('=')) {
    condition.comparison = Comparison::Equal;
  } else {
    return std::nullopt;
  }
  const std::string_view operand = text.substr(operatorLength);
  const char* last = operand.data() + operand.size();
  const auto [end, error] = std::from_chars(operand.data(), last, condition.operand);
  if (operand.empty() || error != std::errc{} || end != last) return std::nullopt;
  return condition;
}

// What one [...] means; false when it means nothing a format code may hold.
bool readBracket(std::string_view content, LexedSection& section) {
  if (content.empty()) return false;
  if (content.front() == '$') {
    // [$€-407]: the currency symbol runs to the '-' that starts the locale.
    const std::string_view symbol = content.substr(1, content.find('-') - 1);
    if (!symbol.empty()) section.tokens.push_back({RawKind::Literal, 0, 0, symbol});
    return true;
  }
  if (content.front() == '<' || content.front() == '>' || content.front() == '=') {
    if (section.condition) return false;
    section.condition = parseCondition(content);
    return section.condition.has_value();
  }
  const char unit = lower(content.front());
  if ((unit == 'h' || unit == 'm' || unit == 's') &&
      std::all_of(content.begin(), content.end(), [unit](char c) { return lower(c) == unit; })) {
    section.tokens.push_back({RawKind::Elapsed, unit, clampedCount(content.size()), {}});
    return true;
  }
  return isColour(content);
}

}  // namespace

std::optional<LexedSection> lexSection(std::string_view text) {
  LexedSection section;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const char letter = lower(c);
    if (c == '"') {
      const std::size_t end = text.find('"', i + 1);
      if (end == std::string_view::npos) return std::nullopt;
      if (end > i + 1)
        section.tokens.push_back({RawKind::Literal, 0, 0, text.substr(i + 1, end - i - 1)});
      i = end + 1;
    } else if (c == '\\' || c == '_' || c == '*') {
      if (i + 1 >= text.size()) return std::nullopt;
      const std::size_t length = characterLength(text, i + 1);
      // "_x" leaves a space as wide as x: one space. "*x" repeats x to fill the column, whose
      // width no reader knows; the fill is left out so no padding lands in the text.
      if (c == '\\') section.tokens.push_back({RawKind::Literal, 0, 0, text.substr(i + 1, length)});
      if (c == '_') section.tokens.push_back({RawKind::Literal, 0, 0, kSingleSpace});
      i += 1 + length;
    } else if (c == '[') {
      const std::size_t end = text.find(']', i + 1);
      if (end == std::string_view::npos || !readBracket(text.substr(i + 1, end - i - 1), section))
        return std::nullopt;
      i = end + 1;
    } else if (c == '0' || c == '#' || c == '?') {
      section.tokens.push_back({RawKind::Placeholder, c, 0, {}});
      ++i;
    } else if (c >= '1' && c <= '9') {
      section.tokens.push_back({RawKind::Digit, c, 0, text.substr(i, 1)});
      ++i;
    } else if (c == '.' || c == ',' || c == '%' || c == '/' || c == '@') {
      const RawKind kind = c == '.'   ? RawKind::Point
                           : c == ',' ? RawKind::Comma
                           : c == '%' ? RawKind::Percent
                           : c == '/' ? RawKind::Slash
                                      : RawKind::At;
      section.tokens.push_back({kind, c, 0, text.substr(i, 1)});
      ++i;
    } else if (letter == 'e') {
      if (i + 1 >= text.size() || (text[i + 1] != '+' && text[i + 1] != '-')) return std::nullopt;
      section.tokens.push_back(
          {RawKind::Exponent, c, text[i + 1] == '+' ? std::uint8_t{1} : std::uint8_t{0}, {}});
      i += 2;
    } else if (letter == 'g') {
      if (!startsWithIgnoringCase(text.substr(i), "general")) return std::nullopt;
      section.tokens.push_back({RawKind::General, 0, 0, {}});
      i += 7;
    } else if (letter == 'a') {
      const std::size_t length = startsWithIgnoringCase(text.substr(i), "am/pm") ? 5
                                 : startsWithIgnoringCase(text.substr(i), "a/p") ? 3
                                                                                 : 0;
      if (length == 0) return std::nullopt;
      section.tokens.push_back({RawKind::AmPm, 0, 0, text.substr(i, length)});
      i += length;
    } else if (letter == 'y' || letter == 'm' || letter == 'd' || letter == 'h' || letter == 's') {
      std::size_t end = i + 1;
      while (end < text.size() && lower(text[end]) == letter)
        ++end;
      section.tokens.push_back({RawKind::DateCode, letter, clampedCount(end - i), {}});
      i = end;
    } else if (kLiteralCharacters.find(c) != std::string_view::npos ||
               static_cast<unsigned char>(c) >= 0x80) {
      const std::size_t length = characterLength(text, i);
      section.tokens.push_back({RawKind::Literal, 0, 0, text.substr(i, length)});
      i += length;
    } else {
      return std::nullopt;
    }
  }
  return section;
}

}  // namespace quillmere::source::numfmt
