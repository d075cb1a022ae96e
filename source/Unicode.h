#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quillmere::source {

// What a reader writes for a character its input cannot carry, such as a lone surrogate.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Writes `codePoint` (at most U+10FFFF) as UTF-8 at `out`, which has room for four bytes;
// returns how many bytes it took. Inline, as the decoders call it for every character outside
// ASCII.
inline std::size_t putUtf8(char* out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out[0] = static_cast<char>(codePoint);
    return 1;
  }
  if (codePoint < 0x800) {
    out[0] = static_cast<char>(0xC0 | (codePoint >> 6));
    out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 2;
  }
  if (codePoint < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (codePoint >> 12));
    out[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (codePoint >> 18));
  out[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
  return 4;
}

// Appends `codePoint` (at most U+10FFFF) to `out` as UTF-8.
inline void appendUtf8(std::string& out, char32_t codePoint) {
  char bytes[4];
  out.append(bytes, putUtf8(bytes, codePoint));
}

// UTF-16 code units that stand for a character outside the Basic Multilingual Plane in
// pairs, a high one first; alone they stand for nothing.
constexpr bool isHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool isLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}
constexpr bool isSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

// The character a high and a low surrogate stand for together.
constexpr char32_t pairSurrogates(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

namespace unicode_detail {

// Windows-1252 bytes 0x80..0x9F; the five it leaves undefined keep their C1 code points.
inline constexpr std::array<std::uint16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace unicode_detail

// The character a Windows-1252 byte stands for. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) give their C1 control characters, as Windows
// itself decodes them.
constexpr char32_t windows1252CodePoint(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? unicode_detail::kWindows1252High[byte - 0x80] : byte;
}

// False for the five bytes Windows-1252 leaves undefined.
constexpr bool definedInWindows1252(unsigned char byte) {
  return byte < 0x80 || byte >= 0xA0 || windows1252CodePoint(byte) != byte;
}

// Writes the Windows-1252 byte `byte` as UTF-8 at `out`, which has room for three bytes;
// returns how many bytes it took.
inline std::size_t putWindows1252(char* out, unsigned char byte) {
  if (byte < 0x80) {
    *out = static_cast<char>(byte);
    return 1;
  }
  return putUtf8(out, windows1252CodePoint(byte));
}

}  // namespace quillmere::source
