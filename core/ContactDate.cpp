#include "core/ContactDate.h"

#include <cmath>

#include "source/numfmt/SerialDate.h"

namespace quillmere::core {

namespace {

bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The number the next `count` digits of `text` write, moving past them; -1 when they are not
// all digits.
int digits(std::string_view& text, std::size_t count) {
  if (text.size() < count) return -1;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  text.remove_prefix(count);
  return value;
}

// A "-" where the extended form has one, or nothing in the basic form.
bool separator(std::string_view& text, bool extended) {
  if (!extended) return true;
  if (text.empty() || text.front() != '-') return false;
  text.remove_prefix(1);
  return true;
}

void appendTwoDigits(std::string& out, int value) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

}  // namespace

bool isCalendarDay(const ContactDate& date) {
  constexpr int kDays[]{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.month < 1 || date.month > 12 || date.day < 1) return false;
  if (date.month == 2 && date.year != 0 && !isLeapYear(date.year)) return date.day <= 28;
  return date.day <= kDays[date.month - 1];
}

std::optional<ContactDate> dateFromIsoText(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  ContactDate date;
  const bool yearless = text.starts_with("--");
  if (yearless) {
    text.remove_prefix(2);
  } else {
    date.year = digits(text, 4);
    if (date.year <= 0) return std::nullopt;
  }
  // The extended form has a "-" between month and day; the year, when there is one, says
  // which form it is.
  const bool extended = yearless ? text.size() == 5 : !text.empty() && text.front() == '-';
  if (!yearless && !separator(text, extended)) return std::nullopt;
  date.month = digits(text, 2);
  if (!separator(text, extended)) return std::nullopt;
  date.day = digits(text, 2);
  if (!text.empty() || !isCalendarDay(date)) return std::nullopt;
  return date;
}

std::optional<ContactDate> dateFromSerial(double serial, bool date1904) {
  using namespace source::numfmt;
  const std::int64_t last = date1904 ? kLastSerial1904 : kLastSerial1900;
  // Serial 0 of the 1900 system is its "January 0", a day before the first.
  const double first = date1904 ? 0 : 1;
  if (!std::isfinite(serial) || serial < first || serial >= static_cast<double>(last + 1)) {
    return std::nullopt;
  }
  const CalendarDay day = calendarDay(static_cast<std::int64_t>(std::floor(serial)), date1904);
  const ContactDate date{day.year, day.month, day.day};
  if (!isCalendarDay(date)) return std::nullopt;
  return date;
}

std::string isoText(const ContactDate& date) {
  std::string text;
  if (date.year == 0) {
    text += "--";
  } else {
    appendTwoDigits(text, date.year / 100);
    appendTwoDigits(text, date.year % 100);
    text += '-';
  }
  appendTwoDigits(text, date.month);
  text += '-';
  appendTwoDigits(text, date.day);
  return text;
}

void appendVCardDate(std::string& out, const ContactDate& date, VCardVersion version) {
  const bool extended = date.year != 0 && version != VCardVersion::V40;
  if (date.year == 0) {
    out += "--";
  } else {
    appendTwoDigits(out, date.year / 100);
    appendTwoDigits(out, date.year % 100);
    if (extended) out += '-';
  }
  appendTwoDigits(out, date.month);
  if (extended) out += '-';
  appendTwoDigits(out, date.day);
}

}  // namespace quillmere::core
