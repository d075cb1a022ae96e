#include <gtest/gtest.h>

#include "source/numfmt/NumberFormat.h"
#include "tests/source/numfmt/FormatCase.h"

namespace quillmere::source::numfmt {
namespace {

class DigitPlaceholders : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DigitPlaceholders, ShowTheNumberAsTheSheetDoes) {
  EXPECT_EQ(NumberFormat::parse(GetParam().code).display(GetParam().value, false),
            GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    LeadingZeros, DigitPlaceholders,
    ::testing::Values(
        FormatCase{"PostalCodeGetsItsZero", "00000", 1234, "01234"},
        FormatCase{"LongerNumberKeepsAllDigits", "00000", 123456, "123456"},
        FormatCase{"ZeroFillsEveryPlace", "00000", 0, "00000"},
        FormatCase{"MobileNumberGetsItsZero", "0000 0000000", 1512345678, "0151 2345678"},
        FormatCase{"SpaceSplitsTenDigitsFourAndSix", "0000 000000", 1512345678, "1512 345678"},
        FormatCase{"NineDigitsPadTheFirstGroup", "0000 000000", 151234567, "0151 234567"},
        FormatCase{"SocialSecurityMask", "000-00-0000", 12345678, "012-34-5678"},
        FormatCase{"ZipPlusFour", "00000-0000", 123456789, "12345-6789"},
        FormatCase{"HashShowsNothingForZero", "#####", 0, ""},
        FormatCase{"QuestionMarksPadWithSpaces", "???", 5, "  5"},
        FormatCase{"DigitsBeyondAMixedRunGoFirst", "#0", 12345, "12345"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    PhoneMasks, DigitPlaceholders,
    ::testing::Values(
        FormatCase{"TenDigitsFillTheMask", "(###) ###-####", 5551234567, "(555) 123-4567"},
        FormatCase{"SevenDigitsLeaveTheBracketsEmpty", "(###) ###-####", 1234567, "() 123-4567"},
        FormatCase{"ElevenDigitsWidenTheAreaCode", "(###) ###-####", 12345678901,
                   "(1234) 567-8901"},
        FormatCase{"CountryCodeAndLeadingZero", "+49 0## ########", 15112345678,
                   "+49 151 12345678"},
        FormatCase{"CountryCodeZeroFillsWhenShort", "+49 0## ########", 1511234567,
                   "+49 015 11234567"},
        FormatCase{"QuotedCountryCode", "\"+49 \"0### #######", 15112345678, "+49 1511 2345678"},
        FormatCase{"EscapedCharacters", "\\(\\0\\)###\\/####", 301234567, "(0)30123/4567"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    DecimalsAndThousands, DigitPlaceholders,
    ::testing::Values(
        FormatCase{"GroupsAndTwoDecimals", "#,##0.00", 1234567.891, "1,234,567.89"},
        FormatCase{"ZeroKeepsItsZeros", "#,##0.00", 0, "0.00"},
        FormatCase{"RoundingCarriesIntoANewGroup", "#,##0.00", 999.995, "1,000.00"},
        FormatCase{"LargeNumberGrouped", "#,##0.00", 1e15, "1,000,000,000,000,000.00"},
        FormatCase{"GroupsWithoutDecimals", "#,##0", 1234567, "1,234,567"},
        FormatCase{"SmallNumberHasNoSeparator", "#,##0", 123, "123"},
        FormatCase{"HashGroupsShowNothingForZero", "#,###", 0, ""},
        FormatCase{"ZeroPlaceholdersGroupTheirZeros", "0,000", 5, "0,005"},
        FormatCase{"QuestionMarksGroupWithSpaces", "?,??0", 5, "    5"},
        FormatCase{"HalfRoundsAwayFromZero", "0", 2.5, "3"},
        FormatCase{"CarryAddsADigit", "0", 999.5, "1000"},
        FormatCase{"ExactHalfRoundsUp", "0.00", 0.125, "0.13"},
        FormatCase{"RoundsOnFifteenDigitsNotOnBinary", "0.00", 2.675, "2.68"},
        FormatCase{"AnotherBinaryHalf", "0.00", 1.005, "1.01"},
        FormatCase{"SumShowsAsWritten", "0.00", 0.1 + 0.2, "0.30"},
        FormatCase{"TinyRoundsToFirstDecimal", "0.0", 0.05, "0.1"},
        FormatCase{"HashDecimalsDropTrailingZeros", "0.0#", 1.5, "1.5"},
        FormatCase{"HashDecimalsShowNeededDigits", "0.0#", 1.25, "1.25"},
        FormatCase{"QuestionMarkDecimalsPadWithSpaces", "0.???", 1.5, "1.5  "},
        FormatCase{"NoWholePlaceholderHidesZero", "#.##", 0.5, ".5"},
        FormatCase{"PointStaysAfterAWholeNumber", "#.##", 1, "1."},
        FormatCase{"PointAloneForZero", "#.##", 0, "."},
        FormatCase{"WholeDigitsShowWithoutPlaceholders", ".00", 12.5, "12.50"},
        FormatCase{"PointWithoutDecimals", "0.", 5, "5."},
        FormatCase{"SixteenDigitsShowFifteen", "0", 12345678901234567.0, "12345678901234600"},
        FormatCase{"HugeNumberWrittenOut", "0", 1e20, "100000000000000000000"},
        FormatCase{"DecimalsBeyondFifteenDigitsAreZeros", "0.0000000000000000000", 0.1,
                   "0.1000000000000000000"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    ScalingAndPercent, DigitPlaceholders,
    ::testing::Values(FormatCase{"TrailingCommaDividesByThousand", "#,##0,", 1234567, "1,235"},
                      FormatCase{"TwoCommasAfterDecimals", "0.0,,", 12200000, "12.2"},
                      FormatCase{"CommasBeforeALiteral", "#,##0,,\"M\"", 1500000, "2M"},
                      FormatCase{"ScaledBelowHalfIsZero", "0,", 499, "0"},
                      FormatCase{"PercentMultipliesByHundred", "0%", 0.125, "13%"},
                      FormatCase{"PercentWithDecimals", "0.00%", 0.12345, "12.35%"},
                      FormatCase{"PercentRoundsTheShiftedDigits", "0%", 0.145, "15%"},
                      FormatCase{"NegativePercent", "0%", -0.5, "-50%"},
                      FormatCase{"EscapedPercentDoesNotScale", "0\\%", 5, "5%"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    Exponents, DigitPlaceholders,
    ::testing::Values(FormatCase{"ScientificWithPlus", "0.00E+00", 12345, "1.23E+04"},
                      FormatCase{"SmallNumber", "0.00E+00", 0.00012, "1.20E-04"},
                      FormatCase{"MinusFormHidesThePlus", "0.00E-00", 12345, "1.23E04"},
                      FormatCase{"MinusFormShowsTheMinus", "0.00E-00", 0.00012, "1.20E-04"},
                      FormatCase{"Zero", "0.00E+00", 0, "0.00E+00"},
                      FormatCase{"RoundingMovesTheExponent", "0.00E+00", 9.995, "1.00E+01"},
                      FormatCase{"Negative", "0.00E+00", -12345, "-1.23E+04"},
                      FormatCase{"EngineeringLarge", "##0.0E+0", 12345, "12.3E+3"},
                      FormatCase{"EngineeringSmall", "##0.0E+0", 0.001234, "1.2E-3"},
                      FormatCase{"EngineeringMillions", "##0.0E+0", 123456789, "123.5E+6"},
                      FormatCase{"TwoZeroWholePlacesStepByTwo", "00.00E+00", 12345, "01.23E+04"},
                      FormatCase{"LowerCaseMark", "0.0e+0", 1500, "1.5e+3"},
                      FormatCase{"ExponentWiderThanItsPlaces", "0E+0", 1e100, "1E+100"},
                      FormatCase{"ThreeDigitNegativeExponent", "0.00E+00", 1e-300, "1.00E-300"}),
    formatCaseName);

}  // namespace
}  // namespace quillmere::source::numfmt
