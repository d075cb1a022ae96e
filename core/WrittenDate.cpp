#include "core/WrittenDate.h"

#include <array>
#include <cstddef>

namespace quillmere::core {

namespace {

// A date's three numbers as written, with how many digits each has.
struct Numbers {
  std::array<int, 3> value{};
  std::array<std::size_t, 3> width{};
  char separator = 0;
};

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// Three runs of digits joined by one "/" or "." each, the last of 2 or 4 digits, or the
// first of 4 (year first); nothing for any other text.
std::optional<Numbers> numbersOf(std::string_view text) {
  Numbers numbers;
  std::size_t part = 0;
  for (const char c : trimmed(text)) {
    if (c >= '0' && c <= '9') {
      if (++numbers.width[part] > 4) return std::nullopt;
      numbers.value[part] = numbers.value[part] * 10 + (c - '0');
    } else if ((c == '/' || c == '.') && part < 2 && numbers.width[part] > 0 &&
               (numbers.separator == 0 || numbers.separator == c)) {
      numbers.separator = c;
      ++part;
    } else {
      return std::nullopt;
    }
  }
  if (part != 2 || numbers.width[2] == 0) return std::nullopt;
  const bool yearFirst = numbers.width[0] == 4 && numbers.width[1] <= 2 && numbers.width[2] <= 2;
  const bool yearLast = numbers.width[0] <= 2 && numbers.width[1] <= 2 &&
                        (numbers.width[2] == 2 || numbers.width[2] == 4);
  if (!yearFirst && !yearLast) return std::nullopt;
  return numbers;
}

int fullYear(int year, std::size_t width) {
  if (width == 4) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

}  // namespace

WrittenDate readWrittenDate(std::string_view text, DayOrder slashOrder) {
  WrittenDate written;
  if (const auto iso = dateFromIsoText(text)) {
    written.kind = WrittenDate::Kind::Date;
    written.date = *iso;
    return written;
  }
  const auto numbers = numbersOf(text);
  if (!numbers) return written;
  const auto& [value, width, separator] = *numbers;
  if (value[0] == 0 && value[1] == 0 && value[2] == 0) {
    written.kind = WrittenDate::Kind::NoDate;
    return written;
  }
  ContactDate date;
  if (width[0] == 4) {
    date = {value[0], value[1], value[2]};
  } else {
    date.year = fullYear(value[2], width[2]);
    // A number over 12 can only be the day, whatever the column's order says.
    const bool dayFirst =
        separator == '.' || value[0] > 12 || (value[1] <= 12 && slashOrder == DayOrder::DayFirst);
    date.day = dayFirst ? value[0] : value[1];
    date.month = dayFirst ? value[1] : value[0];
  }
  if (date.year <= 0 || !isCalendarDay(date)) return written;
  written.kind = WrittenDate::Kind::Date;
  written.date = date;
  return written;
}

std::optional<DayOrder> dayOrderShownBy(std::string_view text) {
  const auto numbers = numbersOf(text);
  if (!numbers || numbers->separator != '/' || numbers->width[0] == 4) return std::nullopt;
  const auto& value = numbers->value;
  if (value[0] > 12 && value[0] <= 31 && value[1] >= 1 && value[1] <= 12) {
    return DayOrder::DayFirst;
  }
  if (value[1] > 12 && value[1] <= 31 && value[0] >= 1 && value[0] <= 12) {
    return DayOrder::MonthFirst;
  }
  return std::nullopt;
}

DayOrder dayOrderOfLocale(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  constexpr std::string_view kMonthFirst[]{"",      "C",     "POSIX", "en_US", "es_US", "en_PH",
                                           "en_AS", "en_GU", "en_MP", "en_UM", "en_VI", "en_PR"};
  for (const std::string_view monthFirst : kMonthFirst) {
    if (name == monthFirst) return DayOrder::MonthFirst;
  }
  return DayOrder::DayFirst;
}

}  // namespace quillmere::core
