#include <gtest/gtest.h>

#include <string>

#include "source/CellTextForm.h"

namespace quillmere::source {
namespace {

struct NumberCase {
  double value;
  std::string text;
};

class NumberTextForm : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTextForm, HasFifteenSignificantDigitsAtMost) {
  EXPECT_EQ(formatNumber(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextForm,
    ::testing::Values(
        NumberCase{42, "42"}, NumberCase{0.5, "0.5"}, NumberCase{0.1 + 0.2, "0.3"},
        NumberCase{1.0 / 3.0, "0.333333333333333"}, NumberCase{2.0 / 3.0, "0.666666666666667"},
        NumberCase{123456789012345.0, "123456789012345"},
        NumberCase{1234567890123456.0, "1.23456789012346E+15"}, NumberCase{1e15, "1E+15"},
        NumberCase{999999999999999.0, "999999999999999"}, NumberCase{999999999999999.9, "1E+15"},
        NumberCase{1e16, "1E+16"}, NumberCase{1e100, "1E+100"}, NumberCase{1e-5, "1E-05"},
        NumberCase{1e-7, "1E-07"}, NumberCase{0.0001, "0.0001"},
        NumberCase{0.00012345, "0.00012345"}, NumberCase{1.5e-300, "1.5E-300"}, NumberCase{0, "0"},
        NumberCase{-0.0, "0"}, NumberCase{-1.5, "-1.5"}, NumberCase{-42, "-42"},
        NumberCase{-999999999999999.0, "-999999999999999"}, NumberCase{-1e15, "-1E+15"},
        NumberCase{-1e-5, "-1E-05"}, NumberCase{100, "100"}, NumberCase{45291, "45291"},
        NumberCase{45291.75, "45291.75"}, NumberCase{0.1, "0.1"}, NumberCase{1.1 * 1.1, "1.21"},
        NumberCase{4.35 * 100, "435"}, NumberCase{12345.678901234567, "12345.6789012346"}));

TEST(NumberTextFormSeparator, UsesTheCallersDecimalSeparator) {
  EXPECT_EQ(formatNumber(0.5, ','), "0,5");
  EXPECT_EQ(formatNumber(1234567890123456.0, ','), "1,23456789012346E+15");
  EXPECT_EQ(formatNumber(42, ','), "42");
}

TEST(CellTextForm, EachKindHasItsText) {
  EXPECT_EQ(textForm(CellValue::empty()), "");
  EXPECT_EQ(textForm(CellValue::ofText(" 007 ")), " 007 ");
  EXPECT_EQ(textForm(CellValue::ofText("")), "");
  EXPECT_EQ(textForm(CellValue::ofNumber(2024)), "2024");
  EXPECT_EQ(textForm(CellValue::ofBoolean(true)), "True");
  EXPECT_EQ(textForm(CellValue::ofBoolean(false)), "False");
  EXPECT_EQ(textForm(CellValue::ofError("#N/A")), "#N/A");
  EXPECT_EQ(textForm(CellValue::ofNumber(0.5), ','), "0,5");
}

TEST(CellTextForm, AppendingKeepsWhatIsThere) {
  std::string out = "A:";
  appendTextForm(out, CellValue::ofNumber(1.25));
  appendTextForm(out, CellValue::ofBoolean(false));
  EXPECT_EQ(out, "A:1.25False");
}

}  // namespace
}  // namespace quillmere::source
