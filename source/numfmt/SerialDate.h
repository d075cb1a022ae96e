#pragma once

#include <cstdint>

namespace quillmere::source::numfmt {

// The last day a spreadsheet shows, 31 December 9999, as a serial of either date system.
constexpr std::int64_t kLastSerial1900 = 2958465;
constexpr std::int64_t kLastSerial1904 = 2957003;

struct CalendarDay {
  int year = 0;
  int month = 0;    // 1-12
  int day = 0;      // 0-31: serial 0 of the 1900 system is "January 0, 1900"
  int weekday = 0;  // 0 Sunday ... 6 Saturday
};

// The day a whole serial (0 up to the last serial) names. The 1900 system counts 1 as
// 1 January 1900 and keeps the 29 February 1900 that never was (serial 60), so serials before
// it are one day off the calendar and weekdays run on from it; the 1904 system counts 0 as
// 1 January 1904.
CalendarDay calendarDay(std::int64_t serial, bool date1904);

}  // namespace quillmere::source::numfmt
