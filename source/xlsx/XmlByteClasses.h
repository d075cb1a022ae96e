#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// What the XML scanner asks of single bytes and characters, for its files alike.
namespace quillmere::source::xlsx::xmlbytes {

// What a byte may be where it stands. Bytes from 0x80 up start a UTF-8 sequence, checked on
// its own; ASCII control characters other than tab, line feed and carriage return, and DEL
// (which XML allows but no workbook holds), send the part to expat.
enum ByteClass : std::uint8_t {
  kValid = 1,       // a character XML allows
  kNameStart = 2,   // may start a name
  kNameChar = 4,    // may go on a name
  kTextPlain = 8,   // text that needs no decoding and ends nothing
  kValuePlain = 16  // the same in an attribute value, quotes excepted
};

constexpr std::array<std::uint8_t, 256> makeClasses() {
  std::array<std::uint8_t, 256> classes{};
  for (int c = 0x20; c < 0x7F; ++c)
    classes[c] = kValid | kTextPlain | kValuePlain;
  for (int c : {'\t', '\n', '\r'})
    classes[c] = kValid;
  classes['\t'] |= kTextPlain;
  classes['\n'] |= kTextPlain;
  for (int c : {'<', '&', ']'})
    classes[c] &= static_cast<std::uint8_t>(~kTextPlain);
  for (int c : {'<', '&', '"', '\''})
    classes[c] &= static_cast<std::uint8_t>(~kValuePlain);
  for (int c = 'a'; c <= 'z'; ++c)
    classes[c] |= kNameStart | kNameChar;
  for (int c = 'A'; c <= 'Z'; ++c)
    classes[c] |= kNameStart | kNameChar;
  for (int c : {'_', ':'})
    classes[c] |= kNameStart | kNameChar;
  for (int c = '0'; c <= '9'; ++c)
    classes[c] |= kNameChar;
  for (int c : {'-', '.'})
    classes[c] |= kNameChar;
  return classes;
}

inline constexpr std::array<std::uint8_t, 256> kClasses = makeClasses();

inline bool is(char c, ByteClass kind) {
  return (kClasses[static_cast<unsigned char>(c)] & kind) != 0;
}

inline bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

inline bool isXmlChar(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Whether `text` is `word` in any mix of cases.
inline bool equalsFolded(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

}  // namespace quillmere::source::xlsx::xmlbytes
