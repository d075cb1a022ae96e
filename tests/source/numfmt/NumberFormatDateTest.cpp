#include <gtest/gtest.h>

#include "source/numfmt/NumberFormat.h"
#include "tests/source/numfmt/FormatCase.h"

namespace quillmere::source::numfmt {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

class Dates1900 : public ::testing::TestWithParam<FormatCase> {};
class Dates1904 : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Dates1900, ShowTheDayAndTime) {
  EXPECT_EQ(NumberFormat::parse(GetParam().code).display(GetParam().value, false),
            GetParam().shown);
}

TEST_P(Dates1904, ShowTheDayAndTime) {
  EXPECT_EQ(NumberFormat::parse(GetParam().code).display(GetParam().value, true), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Days, Dates1900,
    ::testing::Values(
        FormatCase{"Iso", "yyyy-mm-dd", 45352, "2024-03-01"},
        FormatCase{"BirthdayDayFirst", "d/m/yyyy", 31119, "13/3/1985"},
        FormatCase{"DottedWithZeros", "dd.mm.yyyy", 45352, "01.03.2024"},
        FormatCase{"ShortYear", "m/d/yy", 45352, "3/1/24"},
        FormatCase{"UpperCaseCodes", "DD.MM.YYYY", 45352, "01.03.2024"},
        FormatCase{"LongNames", "dddd, mmmm d, yyyy", 45352, "Friday, March 1, 2024"},
        FormatCase{"ShortNames", "ddd d mmm yy", 45352, "Fri 1 Mar 24"},
        FormatCase{"MonthInitial", "mmmmm", 45352, "M"},
        FormatCase{"ThreeYearLettersShowFour", "yyy", 45352, "2024"},
        FormatCase{"TimeOfDayIgnoredByADate", "d mmm yyyy", 45352.75, "1 Mar 2024"},
        FormatCase{"FirstDayIsASunday", "yyyy-mm-dd dddd", 1, "1900-01-01 Sunday"},
        FormatCase{"LastDayOfFebruary1900", "yyyy-mm-dd dddd", 59, "1900-02-28 Tuesday"},
        FormatCase{"LeapDayThatNeverWas", "yyyy-mm-dd dddd", 60, "1900-02-29 Wednesday"},
        FormatCase{"FirstOfMarch1900", "yyyy-mm-dd dddd", 61, "1900-03-01 Thursday"},
        FormatCase{"DayZeroIsJanuaryZero", "yyyy-mm-dd dddd", 0, "1900-01-00 Saturday"},
        FormatCase{"LeapDay2000", "yyyy-mm-dd", 36585, "2000-02-29"},
        FormatCase{"AfterLeapDay2000", "yyyy-mm-dd", 36586, "2000-03-01"},
        FormatCase{"LastDay", "yyyy-mm-dd", 2958465, "9999-12-31"},
        FormatCase{"AfterTheLastDayGivesTheTextForm", "yyyy-mm-dd", 2958466, "2958466"},
        FormatCase{"RoundingPastTheLastDayGivesTheTextForm", "yyyy-mm-dd", 2958465.9999999,
                   "2958465.9999999"},
        FormatCase{"NegativeGivesTheTextForm", "yyyy-mm-dd", -1, "-1"},
        FormatCase{"NegativeTimeGivesTheTextForm", "h:mm", -0.5, "-0.5"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    Times, Dates1900,
    ::testing::Values(
        FormatCase{"Noon", "h:mm", 0.5, "12:00"},
        FormatCase{"TwoDigitHours", "hh:mm:ss", 0.75, "18:00:00"},
        FormatCase{"QuarterHour", "hh:mm", 15 * 60 * kSecond, "00:15"},
        FormatCase{"Afternoon", "h:mm AM/PM", 0.75, "6:00 PM"},
        FormatCase{"Midnight", "h:mm AM/PM", 0, "12:00 AM"},
        FormatCase{"MiddayIsPm", "h:mm AM/PM", 0.5, "12:00 PM"},
        FormatCase{"LowerCaseAmPmShowsCapitals", "h:mm am/pm", 0.25, "6:00 AM"},
        FormatCase{"LowerCaseLetter", "h:mm a/p", 0.75, "6:00 p"},
        FormatCase{"UpperCaseLetter", "h:mm A/P", 0.75, "6:00 P"},
        FormatCase{"MinutesAfterHours", "yyyy-mm-dd hh:mm", 45352.75, "2024-03-01 18:00"},
        FormatCase{"MinutesBeforeSeconds", "mm:ss", 5400 * kSecond, "30:00"},
        FormatCase{"LoneMIsTheMonth", "m", 45352, "3"},
        FormatCase{"SecondsRoundUp", "h:mm:ss", 0.5 + 0.6 * kSecond, "12:00:01"},
        FormatCase{"MinutesAreNotRounded", "h:mm", 0.5 + 59.4 * kSecond, "12:00"},
        FormatCase{"SecondsCarryIntoMinutes", "h:mm", 0.5 + 59.6 * kSecond, "12:01"},
        FormatCase{"SecondsCarryIntoTheNextDay", "yyyy-mm-dd hh:mm:ss", 45352.99999999,
                   "2024-03-02 00:00:00"},
        FormatCase{"HundredthsOfASecond", "mm:ss.00", 0.5000069, "00:00.60"},
        FormatCase{"Milliseconds", "h:mm:ss.000", 0.5 + 1.5 * kSecond, "12:00:01.500"},
        FormatCase{"TenthsCarryIntoMinutes", "mm:ss.0", 59.96 * kSecond, "01:00.0"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    ElapsedTimes, Dates1900,
    ::testing::Values(FormatCase{"HoursBeyondADay", "[h]:mm:ss", 1.5, "36:00:00"},
                      FormatCase{"HoursAndMinutes", "[h]:mm", 2.75, "66:00"},
                      FormatCase{"OneSecond", "[h]:mm:ss", kSecond, "0:00:01"},
                      FormatCase{"PaddedHours", "[hh]:mm", 0.125, "03:00"},
                      FormatCase{"MinutesBeyondAnHour", "[mm]:ss", 0.0625, "90:00"},
                      FormatCase{"SecondsOnly", "[ss]", 0.0625, "5400"},
                      FormatCase{"ElapsedSecondsPadToTheirLetters", "[ss].0", 1.26 * kSecond,
                                 "01.3"},
                      FormatCase{"ElapsedSecondsWithTenths", "[s].0", 1.26 * kSecond, "1.3"}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    Days, Dates1904,
    ::testing::Values(FormatCase{"DayZeroIsNewYear1904", "yyyy-mm-dd dddd", 0, "1904-01-01 Friday"},
                      FormatCase{"Birthday", "d mmmm yyyy", 29657, "13 March 1985"},
                      FormatCase{"LeapDay1904", "yyyy-mm-dd", 59, "1904-02-29"},
                      FormatCase{"SameSerialFourYearsLater", "yyyy-mm-dd", 45352, "2028-03-02"},
                      FormatCase{"WithTime", "yyyy-mm-dd hh:mm", 1.25, "1904-01-02 06:00"},
                      FormatCase{"LastDay", "yyyy-mm-dd", 2957003, "9999-12-31"},
                      FormatCase{"AfterTheLastDayGivesTheTextForm", "yyyy-mm-dd", 2957004,
                                 "2957004"},
                      FormatCase{"ElapsedHoursIgnoreTheSystem", "[h]:mm", 1.5, "36:00"}),
    formatCaseName);

}  // namespace
}  // namespace quillmere::source::numfmt
