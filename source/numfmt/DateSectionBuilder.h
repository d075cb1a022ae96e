#pragma once

#include <vector>

#include "source/numfmt/FormatSection.h"
#include "source/numfmt/SectionLexer.h"

namespace quillmere::source::numfmt {

// Builds a DateTime section: date and time codes, "ss.00", AM/PM; digits, ',', '/', '%' and
// a '.' not followed by zeros are shown as written. False for any other placeholder.
bool buildDateTimeSection(const std::vector<RawToken>& raw, FormatSection& section);

}  // namespace quillmere::source::numfmt
