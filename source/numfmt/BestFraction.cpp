#include "source/numfmt/BestFraction.h"

#include <cmath>

namespace quillmere::source::numfmt {

namespace {

// Continued fractions of a double end within a few dozen terms.
constexpr int kMaxTerms = 64;

double distance(double value, std::int64_t numerator, std::int64_t denominator) {
  return std::fabs(value - static_cast<double>(numerator) / static_cast<double>(denominator));
}

}  // namespace

Fraction bestFraction(double value, std::int64_t largestDenominator) {
  // Convergents h/k of the continued fraction; the best approximation within the bound is the
  // last convergent that fits or the largest semiconvergent after it.
  std::int64_t h0 = 0, k0 = 1, h1 = 1, k1 = 0;
  double rest = value;
  for (int term = 0; term < kMaxTerms; ++term) {
    const double whole = std::floor(rest);
    const auto a = static_cast<std::int64_t>(whole);
    const std::int64_t k2 = a * k1 + k0;
    if (k2 > largestDenominator) {
      const std::int64_t steps = (largestDenominator - k0) / k1;
      const std::int64_t h = h0 + steps * h1, k = k0 + steps * k1;
      if (steps > 0 && distance(value, h, k) < distance(value, h1, k1)) return {h, k};
      break;
    }
    const std::int64_t h2 = a * h1 + h0;
    h0 = h1, k0 = k1, h1 = h2, k1 = k2;
    const double fraction = rest - whole;
    if (fraction <= 0.0) break;
    rest = 1.0 / fraction;
    // A next term this large makes every later denominator too large and leaves no
    // semiconvergent nearer than h1/k1; stopping here also keeps the term within 64 bits.
    if (rest > static_cast<double>(largestDenominator) * 2.0 + 2.0) break;
  }
  return {h1, k1};
}

}  // namespace quillmere::source::numfmt
