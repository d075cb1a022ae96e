#include "source/xlsx/TextEscapes.h"

#include <cstdint>
#include <cstring>

namespace quillmere::source::xlsx {

namespace {

constexpr std::size_t kEscapeLength = 7;  // _xHHHH_
constexpr char32_t kReplacement = 0xFFFD;

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

std::size_t putUtf8(char* out, char32_t c) {
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (c >> 18));
  out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

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
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      const long low = escapeAt(text, read);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
            (static_cast<char32_t>(low) - 0xDC00);
        read += kEscapeLength;
      } else {
        c = kReplacement;
      }
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      c = kReplacement;
    }
    // write + 4 <= read always holds here: at least 7 bytes were consumed per character.
    write += putUtf8(&text[write], c);
  }
  text.resize(write);
}

}  // namespace quillmere::source::xlsx
