#include <gtest/gtest.h>

#include <string>

#include "source/xls/TextDecoder.h"

namespace quillmere::source::xls {
namespace {

struct CodePageCase {
  std::uint16_t codePage;
  std::string bytes;
  std::string utf8;
};

class CodePageText : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageText, BecomesUtf8) {
  const TextDecoder decoder(GetParam().codePage);
  std::string out = "kept:";
  decoder.appendCodePage(out, GetParam().bytes);
  EXPECT_EQ(out, "kept:" + GetParam().utf8) << "code page " << GetParam().codePage;
}

INSTANTIATE_TEST_SUITE_P(
    WorkbookCodePages, CodePageText,
    ::testing::Values(CodePageCase{1252, "\x80 caf\xE9", "\u20AC caf\u00E9"},
                      CodePageCase{32769, "\xE9", "\u00E9"},
                      CodePageCase{10000, "\x8E\xA5", "\u00E9\u2022"},
                      CodePageCase{32768, "\x8E", "\u00E9"},
                      CodePageCase{1251, "\xCF\xF0\xE8", "\u041F\u0440\u0438"},
                      CodePageCase{932, "\x93\xFA\x96\x7B", "\u65E5\u672C"},
                      CodePageCase{1200, "\xE9\xFF", "\u00E9\u00FF"},
                      CodePageCase{1252, "plain", "plain"},
                      // An unfinished two-byte character at the end is marked, not dropped.
                      CodePageCase{932, "a\x81", "a\uFFFD"}));

TEST(TextDecoder, AnUnknownCodePageFallsBackToWindows1252) {
  const TextDecoder decoder(4242);
  EXPECT_EQ(decoder.codePage(), 1252);
  std::string out;
  decoder.appendCodePage(out, "\x80");
  EXPECT_EQ(out, "\u20AC");
}

TEST(TextDecoder, Utf16SurrogatePairsJoinAndLoneHalvesAreMarked) {
  const struct {
    std::u16string units;
    std::string utf8;
  } cases[] = {
      {u"\U0001F363 sushi", "\U0001F363 sushi"},
      {std::u16string{0xD83C, u'x'}, "\uFFFDx"},
      {std::u16string{u'x', 0xDF63}, "x\uFFFD"},
      {std::u16string{0xD83C}, "\uFFFD"},
      {u"\u05E9\u05DC\u05D5\u05DD", "\u05E9\u05DC\u05D5\u05DD"},
  };
  for (const auto& c : cases) {
    std::string out;
    TextDecoder::appendUtf16(out, c.units);
    EXPECT_EQ(out, c.utf8);
  }
}

TEST(TextDecoder, Latin1BytesAreTheirCodePoints) {
  std::string out;
  TextDecoder::appendLatin1(out, std::string("A\xE9\xFF", 3));
  EXPECT_EQ(out, "A\u00E9\u00FF");
}

}  // namespace
}  // namespace quillmere::source::xls
