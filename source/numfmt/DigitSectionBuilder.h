#pragma once

#include <cstddef>
#include <vector>

#include "source/numfmt/FormatSection.h"
#include "source/numfmt/SectionLexer.h"

namespace quillmere::source::numfmt {

// The '/' that makes a section a fraction: a placeholder before it, a placeholder or a digit
// after it. raw.size() when there is none.
std::size_t findFractionSlash(const std::vector<RawToken>& raw);

// Builds a Number or Scientific section: placeholders left and right of the point, ',' for
// grouping or scaling, '%', an exponent. False for an exponent without digits or a second one.
bool buildNumberSection(const std::vector<RawToken>& raw, FormatSection& section);

// Builds a Fraction section around the slash at `slash`: whole part, numerator, denominator
// placeholders or a fixed denominator. False for placeholders after the denominator or a
// denominator of more than seven digits.
bool buildFractionSection(const std::vector<RawToken>& raw, std::size_t slash,
                          FormatSection& section);

}  // namespace quillmere::source::numfmt
