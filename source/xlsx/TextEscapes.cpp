#include "source/xlsx/TextEscapes.h"

#include "source/Unicode.h"

namespace quillmere::source::xlsx {

namespace {

constexpr std::size_t kEscapeLength = 7;  // _xHHHH_

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code unit of an escape starting at text[at], or -1.
long escapeAt(const std::string& text, std::size_t at) {
  if (at + kEscapeLength > text.size() || text[at] != '_' || text[at + 1] != 'x' ||
      text[at + 6] != '_') {
    return -1;
  }
  long value = 0;
  for (std::size_t i = at + 2; i < at + 6; ++i) {
    const int digit = hexValue(text[i]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace

void decodeEscapes(std::string& text, std::size_t from) {
  const auto first = text.find("_x", from);
  if (first == std::string::npos) return;
  std::size_t write = first;
  std::size_t read = first;
  while (read < text.size()) {
    const long unit = text[read] == '_' ? escapeAt(text, read) : -1;
    if (unit < 0) {
      text[write++] = text[read++];
      continue;
    }
    read += kEscapeLength;
    char32_t c = static_cast<char32_t>(unit);
    if (isHighSurrogate(c)) {
      // -1, no escape, is no surrogate either.
      const auto low = static_cast<char32_t>(escapeAt(text, read));
      if (isLowSurrogate(low)) {
        c = pairSurrogates(c, low);
        read += kEscapeLength;
      } else {
        c = kReplacementCharacter;
      }
    } else if (isLowSurrogate(c)) {
      c = kReplacementCharacter;
    }
    // write + 4 <= read always holds here: at least 7 bytes were consumed per character.
    write += putUtf8(&text[write], c);
  }
  text.resize(write);
}

}  // namespace quillmere::source::xlsx
