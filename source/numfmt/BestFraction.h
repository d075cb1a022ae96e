#pragma once

#include <cstdint>

namespace quillmere::source::numfmt {

struct Fraction {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
};

// The fraction nearest to `value` (0 <= value < 1) whose denominator is at most
// `largestDenominator` (>= 1); of two equally near, the one with the smaller denominator.
// The result may be 1/1 when that is nearest.
Fraction bestFraction(double value, std::int64_t largestDenominator);

}  // namespace quillmere::source::numfmt
