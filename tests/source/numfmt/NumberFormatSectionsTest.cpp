#include <gtest/gtest.h>

#include "source/numfmt/NumberFormat.h"
#include "tests/source/numfmt/FormatCase.h"

namespace quillmere::source::numfmt {
namespace {

class FormatSections : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatSections, PickTheSectionAndItsSign) {
  EXPECT_EQ(NumberFormat::parse(GetParam().code).display(GetParam().value, false),
            GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Negatives, FormatSections,
    ::testing::Values(FormatCase{"OneSectionAddsTheMinus", "#,##0", -1234, "-1,234"},
                      FormatCase{"MinusPrecedesLeadingLiterals", "\"$\"0", -5, "-$5"},
                      FormatCase{"NegativeRoundingToZeroKeepsTheMinus", "0", -0.4, "-0"},
                      FormatCase{"NegativeUnderHashShowsTheMinusAlone", "#", -0.4, "-"},
                      FormatCase{"BracketsReplaceTheMinus", "#,##0;(#,##0)", -1234.5, "(1,235)"},
                      FormatCase{"PositiveInTwoSections", "#,##0;(#,##0)", 1234.5, "1,235"},
                      FormatCase{"ZeroTakesTheFirstOfTwoSections", "#,##0;(#,##0)", 0, "0"},
                      FormatCase{"NegativeRoundingToZeroInBrackets", "0;(0)", -0.4, "(0)"},
                      FormatCase{"SecondSectionWritesItsOwnMinus", "0.00;-0.00", -1.5, "-1.50"},
                      FormatCase{"ZeroSection", "0.00;-0.00;\"zero\"", 0, "zero"},
                      FormatCase{"NegativeZeroIsZero", "0.00;-0.00;\"zero\"", -0.0, "zero"},
                      FormatCase{"SmallNumberIsNotZero", "0;-0;\"zero\"", 0.0001, "0"},
                      FormatCase{"EmptyNegativeSectionHides", "0;;0", -5, ""},
                      FormatCase{"AllSectionsEmptyHideEverything", ";;;", 5, ""},
                      FormatCase{"TextSectionAfterOneLeavesTheMinus", "0.00;@", -1.5, "-1.50"},
                      FormatCase{"NegativeTimeInItsOwnSection", "[h]:mm;-[h]:mm", -0.5, "-12:00"},
                      FormatCase{"NegativeDateSectionOfLiterals", "yyyy-mm-dd;\"before\"", -5,
                                 "before"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    ColoursAndConditions, FormatSections,
    ::testing::Values(
        FormatCase{"ColourIsNotShown", "[Red]0.0", 5, "5.0"},
        FormatCase{"ColourNamesIgnoreCase", "[blue]0;[RED](0)", -5, "(5)"},
        FormatCase{"NumberedColour", "[Color10]0", 5, "5"},
        FormatCase{"ShortPhoneUnderTheLimit", "[<=9999999]###-####;(###) ###-####", 8675309,
                   "867-5309"},
        FormatCase{"LongPhoneOverTheLimit", "[<=9999999]###-####;(###) ###-####", 5551234567,
                   "(555) 123-4567"},
        FormatCase{"MillionsByCondition", "[>=1000000]0,,\"M\";[>=1000]0,\"K\";0", 2500000, "3M"},
        FormatCase{"ThousandsByCondition", "[>=1000000]0,,\"M\";[>=1000]0,\"K\";0", 2500, "3K"},
        FormatCase{"RestGoesToTheThirdSection", "[>=1000000]0,,\"M\";[>=1000]0,\"K\";0", 250,
                   "250"},
        FormatCase{"EqualsCondition", "[=1]\"one\";0", 1, "one"},
        FormatCase{"EqualsConditionRefuses", "[=1]\"one\";0", 2, "2"},
        FormatCase{"LessThanZeroSectionCarriesTheSign", "[<0]\"neg \"0;0", -5, "neg 5"},
        FormatCase{"OtherNegativeConditionKeepsTheMinus", "[<=-1]\"a\"0;\"b\"0", -5, "-a5"},
        FormatCase{"UnconditionedSecondTakesTheRest", "[>100]\"big \"0;\"rest \"0", 50, "rest 50"},
        FormatCase{"UnconditionedSecondCarriesTheSign", "[>100]\"big \"0;\"rest \"0", -5, "rest 5"},
        FormatCase{"ConditionHolds", "[>100]\"big \"0;\"rest \"0", 150, "big 150"},
        FormatCase{"ZeroMeetsLessOrEqual", "[>100]\"big\";[<=0]\"small\";0", 0, "small"},
        FormatCase{"NoSectionTakesItGivesTheTextForm", "[>100]\"big \"0", 5.5, "5.5"},
        FormatCase{"BothConditionsRefuse", "[>100]\"big\";[<0]\"neg\"", 50, "50"},
        FormatCase{"DecimalOperand", "[<0.5]\"low\";\"high\"", 0.25, "low"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    Literals, FormatSections,
    ::testing::Values(FormatCase{"QuotedUnit", "0 \"kg\"", 5, "5 kg"},
                      FormatCase{"QuotedPrefixBeforeZeros", "\"Nr. \"000", 7, "Nr. 007"},
                      FormatCase{"BackslashEscapesAPlaceholder", "\\#0", 5, "#5"},
                      FormatCase{"UnderscoreLeavesOneSpace", "_(0_)", 5, " 5 "},
                      FormatCase{"RepeatFillWritesNothing", "*-0", 5, "5"},
                      FormatCase{"RepeatFillOfSpaces", "\"$\"* #,##0.00", 1234.5, "$1,234.50"},
                      FormatCase{"DollarIsALiteral", "$#,##0.00", 1234.5, "$1,234.50"},
                      FormatCase{"CurrencyTagBefore", "[$€-407] #,##0.00", 1234.5, "€ 1,234.50"},
                      FormatCase{"CurrencyTagAfter", "#,##0.00 [$€-407]", 1234.5, "1,234.50 €"},
                      FormatCase{"CurrencyTagWithMinus", "[$€-407] #,##0.00", -1234.5,
                                 "-€ 1,234.50"},
                      FormatCase{"LocaleTagAlone", "[$-409]0.00", 1.5, "1.50"},
                      FormatCase{"CurrencyCodeTag", "[$USD] 0", 5, "USD 5"},
                      FormatCase{"UnquotedNonAsciiSymbol", "0.00 €", 2.5, "2.50 €"},
                      FormatCase{"SlashWithoutDigitsAfterIsALiteral", "0/\"x\"", 5, "5/x"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    General, FormatSections,
    ::testing::Values(FormatCase{"PlainTextForm", "General", 1234.5, "1234.5"},
                      FormatCase{"ExponentTextForm", "General", 1e20, "1E+20"},
                      FormatCase{"AnyCase", "GENERAL", 0.1 + 0.2, "0.3"},
                      FormatCase{"WithLiteralAndMinus", "\"x\"General", -5, "-x5"},
                      FormatCase{"InNegativeSectionWithoutMinus", "General;General", -5, "5"},
                      FormatCase{"BesideDigits", "0;\"neg \"General", -5.25, "neg 5.25"},
                      FormatCase{"EmptyCode", "", -1234.5, "-1234.5"},
                      FormatCase{"TextOnlyCodeShowsNumbersPlainly", "\"Tel: \"@", 1512345678,
                                 "1512345678"}),
    formatCaseName);

}  // namespace
}  // namespace quillmere::source::numfmt
