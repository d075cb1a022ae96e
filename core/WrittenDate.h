#pragma once

#include <optional>
#include <string_view>

#include "core/ContactDate.h"

namespace quillmere::core {

// Which of a date's first two numbers is the day when both could be: "3/4/1985".
enum class DayOrder : unsigned char { MonthFirst, DayFirst };

// What a date cell's text says.
struct WrittenDate {
  enum class Kind : unsigned char {
    Date,
    NoDate,    // Outlook's "0/0/00" or "00.00.0000": the contact has none
    NotADate,  // no date of any form read here
  };
  Kind kind = Kind::NotADate;
  ContactDate date;
};

// ISO text, and the forms address books write: "3/13/1985" and "3/13/85" (Outlook in
// English), "13/03/1985", "13.3.1965" (German and most of Europe, always day first) and
// "1985/03/13". A slash date whose day and month could be swapped is read in `slashOrder`;
// two-digit years are 1930 to 2029, as Windows reads them.
WrittenDate readWrittenDate(std::string_view text, DayOrder slashOrder);

// The order a slash date proves by a number over 12 in one of its first two places; nothing
// for any other text and for a date that reads either way.
std::optional<DayOrder> dayOrderShownBy(std::string_view text);

// The order a desktop's short dates follow, by its locale's name ("en_US.UTF-8", "de_DE"):
// month first in the United States' English and Spanish, the Philippines and the C locale,
// day first everywhere else.
DayOrder dayOrderOfLocale(std::string_view locale);

}  // namespace quillmere::core
