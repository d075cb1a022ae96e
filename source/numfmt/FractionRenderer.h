#pragma once

#include <string>

#include "source/numfmt/FormatSection.h"

namespace quillmere::source::numfmt {

// Writes a number >= 0 through a Fraction section, after a '-' when `negative`. False when
// the number is too large for a fraction whose numerator fits 64 bits.
bool renderFraction(const FormatSection& section, double magnitude, bool negative,
                    std::string& out);

}  // namespace quillmere::source::numfmt
