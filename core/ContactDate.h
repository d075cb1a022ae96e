#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/VCardVersion.h"

namespace quillmere::core {

// A birthday or an anniversary: a day of the calendar, with or without its year.
struct ContactDate {
  int year = 0;  // 0 when the date has no year
  int month = 1;
  int day = 1;
  friend bool operator==(const ContactDate&, const ContactDate&) = default;
};

// Whether the calendar has that day; a day without a year may be the 29th of February.
bool isCalendarDay(const ContactDate& date);

// "1985-03-13" or "19850313", "--03-13" or "--0313", with spaces around; nothing for any other
// text and for a day the calendar does not have. Nothing else is guessed at: "13/03/1985"
// is the 13th of March or a typing error only its writer knows; WrittenDate reads the forms
// address books write, with the column's other dates to tell day from month.
std::optional<ContactDate> dateFromIsoText(std::string_view text);

// The day a spreadsheet's serial names in the workbook's date system, the time of day
// dropped; nothing before the system's first day, after 31 December 9999, and for the
// 29 February 1900 the 1900 system counts but the calendar never had.
std::optional<ContactDate> dateFromSerial(double serial, bool date1904);

// The form the values hold between reading and writing: "1985-03-13" or "--03-13".
std::string isoText(const ContactDate& date);

// The date as the vCard version writes it: 4.0 "19850313" and "--0313"; 3.0 and 2.1
// "1985-03-13". Those two have no form for a day without a year: "--0313" is what Google
// Contacts writes and reads there, as do Android and the readers built on ez-vcard (DAVx5).
// Apple's "1604-03-13" with X-APPLE-OMIT-YEAR would show every other reader the year 1604.
void appendVCardDate(std::string& out, const ContactDate& date, VCardVersion version);

}  // namespace quillmere::core
