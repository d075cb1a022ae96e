#include "source/ods/OdsValues.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "source/xlsx/DecimalNumber.h"

namespace quillmere::source::ods {

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Days since 1970-01-01 in the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

unsigned daysInMonth(std::int64_t year, unsigned month) {
  static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
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

// Digits with an optional fraction ("12", "00.5") at the front of `text`.
std::optional<double> decimal(std::string_view& text) {
  std::size_t end = 0;
  while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.'))
    ++end;
  if (end == 0) return std::nullopt;
  const auto value = xlsx::parseDecimal(text.substr(0, end));
  if (!value || *value < 0) return std::nullopt;
  text.remove_prefix(end);
  return value;
}

// A zone designator after a date-time: "Z", "+01:00", "-0530".
bool zone(std::string_view text) {
  if (text.empty() || text == "Z") return true;
  if (text.front() != '+' && text.front() != '-') return false;
  text.remove_prefix(1);
  unsigned hour = 0, minute = 0;
  if (!digits(text, 2, hour)) return false;
  skip(text, ':');
  return digits(text, 2, minute) && text.empty();
}

}  // namespace

std::optional<double> odsDateSerial(std::string_view text) {
  const bool negative = skip(text, '-');
  // Four digits or more for the year, as the XML Schema dates ODF uses allow.
  std::size_t yearDigits = 0;
  while (yearDigits < text.size() && text[yearDigits] >= '0' && text[yearDigits] <= '9')
    ++yearDigits;
  if (yearDigits < 4 || yearDigits > 9) return std::nullopt;
  std::int64_t year = 0;
  std::from_chars(text.data(), text.data() + yearDigits, year);
  if (negative) year = -year;
  text.remove_prefix(yearDigits);
  unsigned month = 0, day = 0;
  if (!skip(text, '-') || !digits(text, 2, month) || !skip(text, '-') || !digits(text, 2, day)) {
    return std::nullopt;
  }
  if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) return std::nullopt;
  double serial =
      static_cast<double>(daysFromCivil(year, month, day) - daysFromCivil(1899, 12, 30));
  if (text.empty()) return serial;
  if (!skip(text, 'T')) return zone(text) ? std::optional<double>(serial) : std::nullopt;
  unsigned hour = 0, minute = 0, second = 0;
  if (!digits(text, 2, hour) || !skip(text, ':') || !digits(text, 2, minute) || !skip(text, ':') ||
      !digits(text, 2, second)) {
    return std::nullopt;
  }
  double fraction = 0.0;
  if (!text.empty() && (text.front() == '.' || text.front() == ',')) {
    std::size_t end = 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
      ++end;
    if (end == 1) return std::nullopt;
    std::string digitsText = "0.";
    digitsText.append(text.substr(1, end - 1));
    fraction = xlsx::parseDecimal(digitsText).value_or(0.0);
    text.remove_prefix(end);
  }
  if (hour > 24 || minute > 59 || second > 60 || !zone(text)) return std::nullopt;
  const double seconds = static_cast<double>(hour * 3600 + minute * 60 + second) + fraction;
  // Added as a fraction of a day, as spreadsheets do, so serials match theirs to the last digit.
  return serial + seconds / kSecondsPerDay;
}

std::optional<double> odsDurationDays(std::string_view text) {
  const bool negative = skip(text, '-');
  if (!skip(text, 'P')) return std::nullopt;
  double seconds = 0.0;
  bool any = false;
  bool inTime = false;
  while (!text.empty()) {
    if (!inTime && skip(text, 'T')) {
      inTime = true;
      continue;
    }
    const auto value = decimal(text);
    if (!value || text.empty()) return std::nullopt;
    const char unit = text.front();
    text.remove_prefix(1);
    any = true;
    if (!inTime && unit == 'D') {
      seconds += *value * kSecondsPerDay;
    } else if (!inTime && unit == 'W') {
      seconds += *value * 7 * kSecondsPerDay;
    } else if (inTime && unit == 'H') {
      seconds += *value * 3600;
    } else if (inTime && unit == 'M') {
      seconds += *value * 60;
    } else if (inTime && unit == 'S') {
      seconds += *value;
    } else {
      // Years and months have no fixed length in days.
      return std::nullopt;
    }
  }
  if (!any) return std::nullopt;
  const double days = seconds / kSecondsPerDay;
  return negative ? -days : days;
}

std::optional<bool> odsBoolean(std::string_view text) {
  if (text == "true" || text == "1") return true;
  if (text == "false" || text == "0") return false;
  return std::nullopt;
}

}  // namespace quillmere::source::ods
