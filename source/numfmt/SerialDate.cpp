#include "source/numfmt/SerialDate.h"

namespace quillmere::source::numfmt {

namespace {

constexpr std::int64_t kLeapDay1900 = 60;
// Days from 1970-01-01 back to 1899-12-30, the day serial 61 counts from, and to 1904-01-01.
constexpr std::int64_t kEpoch1900 = -25569;
constexpr std::int64_t kEpoch1904 = -24107;

// The Gregorian date of a day count from 1970-01-01 (days >= -719468).
CalendarDay civilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = days / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
  CalendarDay result;
  result.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  result.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  result.year = static_cast<int>(static_cast<std::int64_t>(yearOfEra) + era * 400 +
                                 (result.month <= 2 ? 1 : 0));
  return result;
}

}  // namespace

CalendarDay calendarDay(std::int64_t serial, bool date1904) {
  CalendarDay result;
  if (date1904) {
    result = civilFromDays(kEpoch1904 + serial);
    // 1 January 1904 was a Friday.
    result.weekday = static_cast<int>((serial + 5) % 7);
    return result;
  }
  if (serial == 0) {
    result = {1900, 1, 0, 0};
  } else if (serial == kLeapDay1900) {
    result = {1900, 2, 29, 0};
  } else {
    result = civilFromDays(kEpoch1900 + serial + (serial < kLeapDay1900 ? 1 : 0));
  }
  // Serial 1 is a Sunday in the 1900 system; the leap day keeps every later weekday right.
  result.weekday = static_cast<int>((serial + 6) % 7);
  return result;
}

}  // namespace quillmere::source::numfmt
