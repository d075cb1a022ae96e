#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "source/CellTextForm.h"
#include "source/numfmt/NumberFormat.h"
#include "tests/source/numfmt/FormatCase.h"

namespace quillmere::source::numfmt {
namespace {

// Codes no spreadsheet accepts: each gives the plain text form for any number.
class UnreadableCode : public ::testing::TestWithParam<FormatCase> {};

TEST_P(UnreadableCode, GivesTheTextForm) {
  const NumberFormat format = NumberFormat::parse(GetParam().code);
  EXPECT_TRUE(format.isGeneral());
  EXPECT_EQ(format.display(GetParam().value, false), GetParam().shown);
  EXPECT_EQ(format.display(-0.5, false), "-0.5");
  EXPECT_EQ(format.display(45352, false), "45352");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, UnreadableCode,
    ::testing::Values(FormatCase{"UnquotedWord", "0 kg", 1234.5, "1234.5"},
                      FormatCase{"OpenQuote", "\"abc 0", 1234.5, "1234.5"},
                      FormatCase{"OpenBracket", "[Red 0", 1234.5, "1234.5"},
                      FormatCase{"UnknownColour", "[Purple]0", 1234.5, "1234.5"},
                      FormatCase{"UnknownBracket", "[DBNum1]0", 1234.5, "1234.5"},
                      FormatCase{"EmptyBracket", "[]0", 1234.5, "1234.5"},
                      FormatCase{"ConditionWithoutNumber", "[>abc]0", 1234.5, "1234.5"},
                      FormatCase{"TwoConditions", "[>1][<5]0", 1234.5, "1234.5"},
                      FormatCase{"FiveSections", "0;0;0;@;0", 1234.5, "1234.5"},
                      FormatCase{"ExponentWithoutSign", "0.00E00", 1234.5, "1234.5"},
                      FormatCase{"ExponentWithoutDigits", "0.00E+", 1234.5, "1234.5"},
                      FormatCase{"BackslashAtTheEnd", "0\\", 1234.5, "1234.5"},
                      FormatCase{"DigitPlaceholderInADate", "yyyy-mm-dd 0", 1234.5, "1234.5"},
                      FormatCase{"TextBesideDigits", "0@", 1234.5, "1234.5"},
                      FormatCase{"TextSectionNotLast", "@;0", 1234.5, "1234.5"},
                      FormatCase{"DigitsInTheTextSection", "0;0;0;0", 1234.5, "1234.5"},
                      FormatCase{"DecimalPointInAFraction", "0.0 ?/?", 1234.5, "1234.5"},
                      FormatCase{"DigitsAfterTheDenominator", "# ?/? 0", 1234.5, "1234.5"},
                      FormatCase{"FourDigitsOfASecond", "ss.0000", 1234.5, "1234.5"},
                      FormatCase{"EraCode", "ge.mm.dd", 1234.5, "1234.5"}),
    formatCaseName);

TEST(NumberFormatGeneral, TellsWhichCodesShowTheTextForm) {
  for (const char* code : {"", "General", "general", "[Red]General", "@", "\"x\"@"})
    EXPECT_TRUE(NumberFormat::parse(code).isGeneral()) << code;
  for (const char* code : {"0", "\"x\"General", "General;General", "[>0]General", "d", ";;;"})
    EXPECT_FALSE(NumberFormat::parse(code).isGeneral()) << code;
}

TEST(NumberFormatGeneral, GivesExactlyTheTextFormOfEveryNumber) {
  const NumberFormat general = NumberFormat::parse("General");
  for (const double value : {0.0, -0.0, 42.0, -1.5, 0.1 + 0.2, 1e15, 1e-5, 123456789012345.0,
                             1234567890123456.0, 45291.75, 1.5e-300})
    EXPECT_EQ(general.display(value, false), formatNumber(value)) << value;
}

TEST(NumberFormatGeneral, NonFiniteNumbersGiveTheirErrorText) {
  const NumberFormat format = NumberFormat::parse("#,##0.00");
  EXPECT_EQ(format.display(std::numeric_limits<double>::infinity(), false), "#NUM!");
  EXPECT_EQ(format.display(std::nan(""), false), "#NUM!");
}

TEST(NumberFormatGeneral, OverlongCodeGivesTheTextForm) {
  const std::string code = "0" + std::string(2000, '#');
  EXPECT_TRUE(NumberFormat::parse(code).isGeneral());
  EXPECT_EQ(NumberFormat::parse(code).display(12, false), "12");
}

TEST(NumberFormatText, TextSectionWrapsTheText) {
  EXPECT_EQ(NumberFormat::parse("\"Tel: \"@").displayText("0151 2345678"), "Tel: 0151 2345678");
  EXPECT_EQ(NumberFormat::parse("0;-0;0;\"<\"@\">\"").displayText("x"), "<x>");
  EXPECT_EQ(NumberFormat::parse("0;-0;0;@ @").displayText("ab"), "ab ab");
  EXPECT_EQ(NumberFormat::parse("0.00;@_)").displayText("ab"), "ab ");
}

TEST(NumberFormatText, FourthSectionWithoutAtReplacesTheText) {
  EXPECT_EQ(NumberFormat::parse("0;-0;0;\"n/a\"").displayText("anything"), "n/a");
}

TEST(NumberFormatText, TextPassesThroughWithoutATextSection) {
  EXPECT_EQ(NumberFormat::parse("0.00").displayText("abc"), "abc");
  EXPECT_EQ(NumberFormat::parse("[Purple]@").displayText("abc"), "abc");
}

}  // namespace
}  // namespace quillmere::source::numfmt
