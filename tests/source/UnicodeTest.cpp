#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "source/Unicode.h"

namespace quillmere::source {
namespace {

TEST(Unicode, CodePointsTakeOneToFourBytesOfUtf8) {
  const struct {
    char32_t codePoint;
    std::string utf8;
  } cases[] = {
      {U'\0', std::string(1, '\0')},
      {0x7F, "\x7F"},
      {0x80, "\xC2\x80"},
      {0x7FF, "\xDF\xBF"},
      {0x800, "\xE0\xA0\x80"},
      {0x20AC, "\xE2\x82\xAC"},
      {0xFFFD, "\xEF\xBF\xBD"},
      {0xFFFF, "\xEF\xBF\xBF"},
      {0x10000, "\xF0\x90\x80\x80"},
      {0x1F363, "\xF0\x9F\x8D\xA3"},
      {0x10FFFF, "\xF4\x8F\xBF\xBF"},
  };
  for (const auto& c : cases) {
    char out[4];
    EXPECT_EQ(std::string(out, putUtf8(out, c.codePoint)), c.utf8)
        << std::hex << std::uint32_t{c.codePoint};
    std::string appended = "kept:";
    appendUtf8(appended, c.codePoint);
    EXPECT_EQ(appended, "kept:" + c.utf8) << std::hex << std::uint32_t{c.codePoint};
  }
}

TEST(Unicode, SurrogatesPairIntoCharactersPastTheBasicPlane) {
  const struct {
    char32_t high;
    char32_t low;
    char32_t codePoint;
  } cases[] = {
      {0xD800, 0xDC00, 0x10000},
      {0xD83C, 0xDF63, 0x1F363},
      {0xDBFF, 0xDFFF, 0x10FFFF},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(isHighSurrogate(c.high) && isSurrogate(c.high));
    EXPECT_TRUE(isLowSurrogate(c.low) && isSurrogate(c.low));
    EXPECT_EQ(pairSurrogates(c.high, c.low), c.codePoint);
  }
  for (const char32_t unit : {0xD7FFu, 0xE000u, 0xFFFFu}) {
    EXPECT_FALSE(isSurrogate(unit)) << std::hex << std::uint32_t{unit};
  }
  EXPECT_FALSE(isLowSurrogate(0xDBFF));
  EXPECT_FALSE(isHighSurrogate(0xDC00));
}

TEST(Unicode, EveryWindows1252ByteHasItsCodePoint) {
  const struct {
    unsigned char byte;
    std::string utf8;
    bool defined;
  } cases[] = {
      {'A', "A", true},
      {0x80, "\xE2\x82\xAC", true},
      {0x8A, "\xC5\xA0", true},
      {0x96, "\xE2\x80\x93", true},
      {0x99, "\xE2\x84\xA2", true},
      {0x9F, "\xC5\xB8", true},
      {0xA0, "\xC2\xA0", true},
      {0xE9, "\xC3\xA9", true},
      {0xFF, "\xC3\xBF", true},
      // The five the code page leaves undefined keep their C1 control characters.
      {0x81, "\xC2\x81", false},
      {0x8D, "\xC2\x8D", false},
      {0x8F, "\xC2\x8F", false},
      {0x90, "\xC2\x90", false},
      {0x9D, "\xC2\x9D", false},
  };
  for (const auto& c : cases) {
    char out[3];
    EXPECT_EQ(std::string(out, putWindows1252(out, c.byte)), c.utf8) << int{c.byte};
    EXPECT_EQ(definedInWindows1252(c.byte), c.defined) << int{c.byte};
  }
}

}  // namespace
}  // namespace quillmere::source
