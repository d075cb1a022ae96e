#pragma once

#include <optional>
#include <string_view>

namespace quillmere::source::xlsx {

// The double a cell's number text stands for ("42", "-0.5", "1.25E-3"), correctly rounded;
// nothing when the text is no number. Short decimals, nearly all cells, take an exact fast
// path: a mantissa below 2^53 times or over a power of ten up to 1e22 is one rounding.
std::optional<double> parseDecimal(std::string_view text);

}  // namespace quillmere::source::xlsx
