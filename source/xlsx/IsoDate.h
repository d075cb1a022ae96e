#pragma once

#include <optional>
#include <string_view>

namespace quillmere::source::xlsx {

// The date serial of an ISO 8601 date, date-time or time as cells of type "d" store it
// ("2024-03-01", "2024-03-01T12:30:00.5", and "T12:00:00" or "12:00:00" for a time alone,
// which is the fraction of a day); nothing when the text is none of these. The 1900 system keeps
// the spreadsheet's 29 February 1900, so serials before March 1900 are one less than the calendar
// gives.
std::optional<double> isoDateSerial(std::string_view text, bool date1904);

}  // namespace quillmere::source::xlsx
