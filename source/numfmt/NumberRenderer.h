#pragma once

#include <string>

#include "source/numfmt/FormatSection.h"

namespace quillmere::source::numfmt {

// Writes a number >= 0 through a Number or Scientific section, after a '-' when `negative`.
void renderNumber(const FormatSection& section, double magnitude, bool negative, std::string& out);

}  // namespace quillmere::source::numfmt
