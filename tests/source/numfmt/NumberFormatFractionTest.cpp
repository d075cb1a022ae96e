#include <gtest/gtest.h>

#include "source/numfmt/BestFraction.h"
#include "source/numfmt/NumberFormat.h"
#include "tests/source/numfmt/FormatCase.h"

namespace quillmere::source::numfmt {
namespace {

constexpr double kPi = 3.14159265358979;

class Fractions : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Fractions, ShowTheNearestFraction) {
  EXPECT_EQ(NumberFormat::parse(GetParam().code).display(GetParam().value, false),
            GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    MixedNumbers, Fractions,
    ::testing::Values(FormatCase{"Quarter", "# ?/?", 1.25, "1 1/4"},
                      FormatCase{"NoWholePartUnderHash", "# ?/?", 0.5, " 1/2"},
                      FormatCase{"ZeroWholePartUnderZero", "0 ?/?", 0.5, "0 1/2"},
                      FormatCase{"WholeNumberBlanksTheFraction", "# ?/?", 2, "2    "},
                      FormatCase{"ZeroShowsItsDigit", "# ?/?", 0, "0    "},
                      FormatCase{"NearlyOneRoundsUp", "# ?/?", 0.99, "1    "},
                      FormatCase{"PiWithOneDigit", "# ?/?", kPi, "3 1/7"},
                      FormatCase{"PiWithTwoDigits", "# ?\?/??", kPi, "3 14/99"},
                      FormatCase{"TwoDigitPlacesPadBothSides", "# ?\?/??", 1.25, "1  1/4 "},
                      FormatCase{"ThirdWithTwoDigits", "# ?\?/??", 0.3333, "  1/3 "},
                      FormatCase{"GroupedWholePart", "#,##0 ?/?", 1234.5, "1,234 1/2"},
                      FormatCase{"NegativeMixed", "# ?/?", -1.25, "-1 1/4"},
                      FormatCase{"NegativeBelowOne", "# ?/?", -0.25, "- 1/4"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    ImproperAndFixed, Fractions,
    ::testing::Values(FormatCase{"ImproperQuarter", "?/?", 1.25, "5/4"},
                      FormatCase{"ImproperZero", "?/?", 0, "0/1"},
                      FormatCase{"ImproperThird", "?/?", 0.333, "1/3"},
                      FormatCase{"EighthsNotReduced", "# ?/8", 1.3, "1 2/8"},
                      FormatCase{"EighthsBlankWhenNoneLeft", "# ?/8", 2.01, "2    "},
                      FormatCase{"EighthsCarryIntoTheWholePart", "# ?/8", 0.9999, "1    "},
                      FormatCase{"ImproperEighthsOfZero", "?/8", 0, "0/8"},
                      FormatCase{"ImproperEighthsRoundUp", "?/8", 0.99, "8/8"},
                      FormatCase{"HundredthsRoundHalfUp", "# ?\?/100", 0.125, " 13/100"},
                      FormatCase{"TooLargeGivesTheTextForm", "# ?/?", 1e12, "1000000000000"}),
    formatCaseName);

struct ApproximationCase {
  double value;
  std::int64_t largestDenominator;
  std::int64_t numerator;
  std::int64_t denominator;
};

TEST(BestFraction, FindsTheNearestWithinTheDenominatorBound) {
  const ApproximationCase cases[] = {
      {0.5, 9, 1, 2},          {kPi - 3, 9, 1, 7},
      {kPi - 3, 99, 14, 99},   {0.718281828, 99, 51, 71},
      {0.99, 9, 1, 1},         {0.0, 9, 0, 1},
      {0.1, 9, 1, 9},          {0.05, 9, 0, 1},
      {0.6180339887, 9, 5, 8}, {1e-300, 9999999, 0, 1},
  };
  for (const auto& c : cases) {
    const Fraction fraction = bestFraction(c.value, c.largestDenominator);
    EXPECT_EQ(fraction.numerator, c.numerator) << c.value << " within " << c.largestDenominator;
    EXPECT_EQ(fraction.denominator, c.denominator) << c.value << " within " << c.largestDenominator;
  }
}

}  // namespace
}  // namespace quillmere::source::numfmt
