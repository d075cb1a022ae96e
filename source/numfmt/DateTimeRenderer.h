#pragma once

#include <string>

#include "source/numfmt/FormatSection.h"

namespace quillmere::source::numfmt {

// Writes a date serial >= 0 through a DateTime section, rounding the time to the shown
// fraction of a second (whole seconds when none shows) and carrying into minutes, hours and
// days. False when `negative` or the day lies after 31 December 9999: no date to show.
bool renderDateTime(const FormatSection& section, double serial, bool negative, bool date1904,
                    std::string& out);

}  // namespace quillmere::source::numfmt
