#include "source/numfmt/DateTimeRenderer.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "source/numfmt/SerialDate.h"

namespace quillmere::source::numfmt {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kUnitsPerSecond[] = {1, 10, 100, 1000};
constexpr std::string_view kMonthNames[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
constexpr std::string_view kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

void appendNumber(std::string& out, std::int64_t value, int leastDigits) {
  char reversed[24];
  int length = 0;
  do {
    reversed[length++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (int pad = length; pad < leastDigits; ++pad)
    out += '0';
  while (length > 0)
    out += reversed[--length];
}

void appendName(std::string& out, std::string_view name, int width) {
  out += width == 3 ? name.substr(0, 3) : width == 5 ? name.substr(0, 1) : name;
}

}  // namespace

bool renderDateTime(const FormatSection& section, double serial, bool negative, bool date1904,
                    std::string& out) {
  const std::int64_t lastSerial = date1904 ? kLastSerial1904 : kLastSerial1900;
  if (negative || !(serial < static_cast<double>(lastSerial + 1))) return false;

  const std::int64_t unitsPerSecond = kUnitsPerSecond[section.subSecondDigits];
  const std::int64_t unitsPerDay = kSecondsPerDay * unitsPerSecond;
  const double wholeDays = std::floor(serial);
  auto day = static_cast<std::int64_t>(wholeDays);
  std::int64_t units = std::llround((serial - wholeDays) * static_cast<double>(unitsPerDay));
  if (units >= unitsPerDay) {
    ++day;
    units -= unitsPerDay;
  }
  if (day > lastSerial) return false;

  const std::int64_t seconds = units / unitsPerSecond;
  const std::int64_t hour = seconds / 3600;
  const std::int64_t minute = seconds / 60 % 60;
  const std::int64_t second = seconds % 60;
  const std::int64_t totalSeconds = day * kSecondsPerDay + seconds;
  const CalendarDay date = calendarDay(day, date1904);

  for (const FormatToken& token : section.tokens) {
    switch (token.kind) {
      case TokenKind::Literal:
        out += section.text(token);
        break;
      case TokenKind::Year:
        appendNumber(out, token.width == 2 ? date.year % 100 : date.year, token.width);
        break;
      case TokenKind::Month:
        if (token.width <= 2) {
          appendNumber(out, date.month, token.width);
        } else {
          appendName(out, kMonthNames[date.month - 1], token.width);
        }
        break;
      case TokenKind::Day:
        if (token.width <= 2) {
          appendNumber(out, date.day, token.width);
        } else {
          appendName(out, kDayNames[date.weekday], token.width);
        }
        break;
      case TokenKind::Hour:
        appendNumber(out, section.twelveHour ? (hour + 11) % 12 + 1 : hour, token.width);
        break;
      case TokenKind::Minute:
        appendNumber(out, minute, token.width);
        break;
      case TokenKind::Second:
        appendNumber(out, second, token.width);
        break;
      case TokenKind::SubSecond: {
        // Written with all the digits the section rounds to, then cut to this token's.
        const std::size_t start = out.size() + 1;
        out += '.';
        appendNumber(out, units % unitsPerSecond, section.subSecondDigits);
        out.resize(start + token.width);
        break;
      }
      case TokenKind::AmPm: {
        const std::string_view texts = section.text(token);
        const std::size_t half = texts.size() / 2;
        out += hour < 12 ? texts.substr(0, half) : texts.substr(half);
        break;
      }
      case TokenKind::ElapsedHours:
        appendNumber(out, totalSeconds / 3600, token.width);
        break;
      case TokenKind::ElapsedMinutes:
        appendNumber(out, section.hasElapsedHours ? minute : totalSeconds / 60, token.width);
        break;
      case TokenKind::ElapsedSeconds:
        appendNumber(out,
                     section.hasElapsedHours || section.hasElapsedMinutes ? second : totalSeconds,
                     token.width);
        break;
      default:
        break;
    }
  }
  return true;
}

}  // namespace quillmere::source::numfmt
