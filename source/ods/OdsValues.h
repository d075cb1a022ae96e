#pragma once

#include <optional>
#include <string_view>

namespace quillmere::source::ods {

// The serial day number of an office:date-value ("2021-01-01", "2021-01-01T10:10:10.5", a zone
// after it dropped), counted from 30 December 1899 as day 0 whatever the file's null date: the
// numbers .xlsx gives for the same dates from March 1900 on. Nothing when the text is no date.
std::optional<double> odsDateSerial(std::string_view text);

// An office:time-value, an ISO 8601 duration ("PT12H30M00S", "-PT1H", "P2DT3H"), in days.
// Nothing when the text is no duration.
std::optional<double> odsDurationDays(std::string_view text);

// An office:boolean-value: "true" or "false", and the "1" and "0" some writers put there.
std::optional<bool> odsBoolean(std::string_view text);

}  // namespace quillmere::source::ods
