#include <gtest/gtest.h>

#include <string>

#include "source/xls/XlsTextDecoder.h"

namespace quillmere::source::xls {
namespace {

struct CodePageCase {
  std::uint16_t codePage;
  std::string bytes;
  std::string utf8;
};

class CodePageText : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageText, BecomesUtf8) {
  const XlsTextDecoder decoder(GetParam().codePage);
  EXPECT_TRUE(decoder.known());
  std::string out = "kept:";
  EXPECT_TRUE(decoder.appendCodePage(out, GetParam().bytes));
  EXPECT_EQ(out, "kept:" + GetParam().utf8) << "code page " << GetParam().codePage;
}

INSTANTIATE_TEST_SUITE_P(
    WorkbookCodePages, CodePageText,
    ::testing::Values(
        CodePageCase{1252, "\x80 caf\xE9", "\u20AC caf\u00E9"},
        CodePageCase{32769, "\xE9", "\u00E9"},
        // Mac Roman from Apple's table: the letters, the euro sign where the
        // currency sign was, the Apple logo in the private use area.
        CodePageCase{10000, "\x8E\xA5", "\u00E9\u2022"},
        CodePageCase{10000, "\x80\x9F\xA7\xBD\xCA\xD2\xD3\xD9",
                     "\u00C4\u00FC\u00DF\u03A9\u00A0\u201C\u201D\u0178"},
        CodePageCase{10000, "\xDB\xDE\xF0\xF5\xFF", "\u20AC\uFB01\uF8FF\u0131\u02C7"},
        CodePageCase{32768, "\x8E", "\u00E9"}, CodePageCase{10029, "\x84\x88", "\u0104\u0105"},
        CodePageCase{10007, "\x80\xDF", "\u0410\u044F"},
        CodePageCase{1251, "\xCF\xF0\xE8", "\u041F\u0440\u0438"},
        CodePageCase{1250, "\x8A\xB9", "\u0160\u0105"},
        CodePageCase{1253, "\xC1\xF9", "\u0391\u03C9"},
        CodePageCase{437, "\x81\xE1", "\u00FC\u00DF"},
        CodePageCase{850, "\x9B\xD5", "\u00F8\u0131"},
        CodePageCase{866, "\x80\xEF", "\u0410\u044F"},
        CodePageCase{932, "\x93\xFA\x96\x7B", "\u65E5\u672C"},
        CodePageCase{936, "\xD6\xD0", "\u4E2D"}, CodePageCase{949, "\xB0\xA1", "\uAC00"},
        CodePageCase{950, "\xA4\xA4", "\u4E2D"}, CodePageCase{65001, "Zo\xC3\xAB", "Zo\u00EB"},
        CodePageCase{1200, "\xE9\xFF", "\u00E9\u00FF"}, CodePageCase{21010, "\xE9", "\u00E9"},
        CodePageCase{1252, "plain", "plain"},
        // The five bytes Windows-1252 leaves undefined are no text.
        CodePageCase{1252, "\x81\x8D\x8F\x90\x9D\x9F", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\u0178"},
        // An unfinished two-byte character at the end is marked, not dropped.
        CodePageCase{932, "a\x81", "a\uFFFD"}));

TEST(XlsTextDecoder, AnUnknownCodePageReadsOnlyAscii) {
  // Numbers no CODEPAGE record carries; rather than guess, text that needs one is refused.
  for (const int number : {0, 4242, 37, 65535}) {
    const auto codePage = static_cast<std::uint16_t>(number);
    const XlsTextDecoder decoder(codePage);
    EXPECT_FALSE(decoder.known()) << codePage;
    EXPECT_EQ(decoder.codePage(), codePage);
    std::string out = "kept:";
    EXPECT_TRUE(decoder.appendCodePage(out, "plain text")) << codePage;
    EXPECT_FALSE(decoder.appendCodePage(out, "caf\xE9")) << codePage;
    EXPECT_EQ(out, "kept:plain text") << codePage;
  }
}

TEST(XlsTextDecoder, Utf16SurrogatePairsJoinAndLoneHalvesAreMarked) {
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
    XlsTextDecoder::appendUtf16(out, c.units);
    EXPECT_EQ(out, c.utf8);
    // The same units as the little-endian bytes of a record.
    std::string bytes;
    for (const char16_t unit : c.units)
      bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    out.clear();
    XlsTextDecoder::appendUtf16Le(out, bytes);
    EXPECT_EQ(out, c.utf8);
  }
}

TEST(XlsTextDecoder, Latin1BytesAreTheirCodePoints) {
  std::string out;
  XlsTextDecoder::appendLatin1(out, "A\xE9\xFF plain ASCII after them");
  EXPECT_EQ(out, "A\u00E9\u00FF plain ASCII after them");
}

}  // namespace
}  // namespace quillmere::source::xls
