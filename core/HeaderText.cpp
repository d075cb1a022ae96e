#include "core/HeaderText.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "source/Unicode.h"

namespace quillmere::core {
namespace {

// U+00A0 to U+00FF, sixteen to a line; an empty text drops the character.
constexpr std::array<std::string_view, 96> kLatin1Supplement{
    "",  "",  "",  "",  "",  "",  "",   "",  "",  "",  "a", "",  "",  "",  "",   "",    // A0
    "",  "",  "2", "3", "",  "µ", "",   "",  "",  "1", "o", "",  "",  "",  "",   "",    // B0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // C0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",  // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // E0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",   // F0
};

// U+0100 to U+017F, sixteen to a line.
constexpr std::array<std::string_view, 128> kLatinExtendedA{
    "a", "a", "a",  "a",  "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",  // 100
    "d", "d", "e",  "e",  "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",  // 110
    "g", "g", "g",  "g",  "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",  // 120
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",  // 130
    "l", "l", "l",  "n",  "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",  // 140
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",  // 150
    "s", "s", "t",  "t",  "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",  // 160
    "u", "u", "u",  "u",  "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",  // 170
};

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

struct CodePoint {
  std::uint32_t value = 0;
  std::size_t length = 1;  // bytes taken from the text; 1 for a malformed sequence
  bool valid = false;
};

CodePoint decodeAt(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t length = 0;
  std::uint32_t value = 0;
  std::uint32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
    smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
    smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
    smallest = 0x10000;
  } else {
    return {};
  }
  if (text.size() - at < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0u) != 0x80u) return {};
    value = (value << 6) | (next & 0x3Fu);
  }
  // Overlong forms, UTF-16 surrogates and values past U+10FFFF are not UTF-8.
  if (value < smallest || value > 0x10FFFF || source::isSurrogate(value)) return {};
  return {value, length, true};
}

bool isDropped(std::uint32_t value) {
  const bool combiningAccent = value >= 0x300 && value <= 0x36F;
  const bool generalPunctuation = value >= 0x2000 && value <= 0x206F;
  const bool byteOrderMark = value == 0xFEFF;
  return combiningAccent || generalPunctuation || byteOrderMark;
}

}  // namespace

std::string foldHeaderText(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const CodePoint c = decodeAt(text, at);
    if (!c.valid) {
      folded += kReplacementCharacter;
    } else if (c.value < 0x80) {
      const auto ascii = static_cast<char>(c.value);
      if (ascii >= 'A' && ascii <= 'Z') {
        folded += static_cast<char>(ascii - 'A' + 'a');
      } else if ((ascii >= 'a' && ascii <= 'z') || (ascii >= '0' && ascii <= '9')) {
        folded += ascii;
      }
    } else if (c.value >= 0xA0 && c.value < 0x100) {
      folded += kLatin1Supplement[c.value - 0xA0];
    } else if (c.value >= 0x100 && c.value < 0x180) {
      folded += kLatinExtendedA[c.value - 0x100];
    } else if (!isDropped(c.value)) {
      folded += text.substr(at, c.length);
    }
    at += c.length;
  }
  return folded;
}

}  // namespace quillmere::core
