#include "source/xlsx/IsoDate.h"

#include <charconv>
#include <cstdint>

namespace quillmere::source::xlsx {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 in the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool isLeap(std::int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned daysInMonth(std::int64_t year, unsigned month) {
  static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Reads exactly `width` digits.
bool digits(std::string_view& text, std::size_t width, unsigned& value) {
  if (text.size() < width) return false;
  value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
  }
  text.remove_prefix(width);
  return true;
}

bool skip(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

// "HH:MM[:SS[.fff]]" as a fraction of a day, leaving any zone designator.
std::optional<double> timeOfDay(std::string_view& text) {
  unsigned hour = 0, minute = 0, second = 0;
  if (!digits(text, 2, hour) || !skip(text, ':') || !digits(text, 2, minute)) return std::nullopt;
  double fraction = 0.0;
  if (skip(text, ':')) {
    if (!digits(text, 2, second)) return std::nullopt;
    if (!text.empty() && text.front() == '.') {
      std::size_t end = 1;
      while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
      if (end == 1) return std::nullopt;
      const auto result = std::from_chars(text.data(), text.data() + end, fraction);
      if (result.ec != std::errc{}) return std::nullopt;
      text.remove_prefix(end);
    }
  }
  // 24:00:00 is the end of the day; no other time in hour 24 exists.
  if (hour > 24 || minute > 59 || second > 60 ||
      (hour == 24 && (minute != 0 || second != 0 || fraction != 0.0))) {
    return std::nullopt;
  }
  return (static_cast<double>(hour * 3600 + minute * 60 + second) + fraction) /
         static_cast<double>(kSecondsPerDay);
}

}  // namespace

std::optional<double> isoDateSerial(std::string_view text, bool date1904) {
  // "HH:" opens a time without a date, which other readers take as a fraction of a day.
  const bool timeAlone = text.size() > 2 && text[2] == ':';
  double serial = 0.0;
  if (!timeAlone && !text.empty() && text.front() != 'T') {
    unsigned yearDigits = 0, month = 0, day = 0;
    if (!digits(text, 4, yearDigits) || !skip(text, '-') || !digits(text, 2, month) ||
        !skip(text, '-') || !digits(text, 2, day)) {
      return std::nullopt;
    }
    const auto year = static_cast<std::int64_t>(yearDigits);
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) return std::nullopt;
    const std::int64_t days = daysFromCivil(year, month, day);
    std::int64_t whole = 0;
    if (date1904) {
      whole = days - daysFromCivil(1904, 1, 1);
    } else {
      whole = days - daysFromCivil(1899, 12, 30);
      if (whole < 61) whole -= 1;
    }
    serial = static_cast<double>(whole);
    if (text.empty()) return serial;
  }
  if (!timeAlone && !skip(text, 'T')) return std::nullopt;
  const auto time = timeOfDay(text);
  if (!time) return std::nullopt;
  // A zone designator is dropped: the sheet shows the wall-clock time as written.
  if (!text.empty() && text != "Z") {
    std::string_view zone = text;
    unsigned zoneHour = 0, zoneMinute = 0;
    if ((zone.front() != '+' && zone.front() != '-')) return std::nullopt;
    zone.remove_prefix(1);
    if (!digits(zone, 2, zoneHour) || !skip(zone, ':') || !digits(zone, 2, zoneMinute) ||
        !zone.empty()) {
      return std::nullopt;
    }
  }
  return serial + *time;
}

}  // namespace quillmere::source::xlsx
