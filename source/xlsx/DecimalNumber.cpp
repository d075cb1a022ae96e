#include "source/xlsx/DecimalNumber.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace quillmere::source::xlsx {

namespace {

constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
constexpr int kExactPowers = 22;
constexpr int kMaxMantissaDigits = 19;
constexpr double kPowersOfTen[kExactPowers + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Whether a decimal text that from_chars found out of range is too large rather than too
// small: such a text lies hundreds of powers of ten away from 1, so the sign of its decimal
// order (the exponent of its first significant digit) tells the two apart.
bool isPastTheLargest(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
  std::int64_t order = 0;
  bool significant = false;
  for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (significant) {
      ++order;
    } else if (text[i] != '0') {
      significant = true;
    }
  }
  if (i < n && text[i] == '.') {
    for (++i; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
      if (significant) continue;
      --order;
      significant = text[i] != '0';
    }
  }
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    const bool negative = i < n && text[i] == '-';
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    // Saturates: any exponent past a billion outweighs every order digits can give.
    std::int64_t exponent = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
      exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000'000);
    order += negative ? -exponent : exponent;
  }
  return order >= 0;
}

// Every number text the fast path declines: long mantissas, large exponents, "inf", "nan".
// Parsed by from_chars alone, never strtod, whose decimal point follows the desktop's locale.
std::optional<double> parseSlowly(std::string_view text) {
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  // from_chars takes no '+', and a '-' after one is no number.
  if (begin != end && *begin == '+' && ++begin != end && *begin == '-') return std::nullopt;
  double value = 0.0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ptr != end || begin == end) return std::nullopt;
  if (result.ec == std::errc::result_out_of_range) {
    // Values past the double range or below its smallest subnormal still read as the nearest
    // double (infinity or zero, signed), as the spreadsheet itself shows them.
    const double magnitude = isPastTheLargest(text) ? std::numeric_limits<double>::infinity() : 0.0;
    return *begin == '-' ? -magnitude : magnitude;
  }
  if (result.ec != std::errc{}) return std::nullopt;
  return value;
}

// Appends a digit to the mantissa; false past the 19 significant digits a uint64 holds.
bool addDigit(std::uint64_t& mantissa, int& digits, char c) {
  const auto digit = static_cast<std::uint64_t>(c - '0');
  if (mantissa != 0 || digit != 0) {
    if (++digits > kMaxMantissaDigits) return false;
  }
  mantissa = mantissa * 10 + digit;
  return true;
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::uint64_t mantissa = 0;
  int digits = 0;
  int scale = 0;  // the decimal exponent of the mantissa's last digit
  const std::size_t firstDigit = i;
  for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (!addDigit(mantissa, digits, text[i])) return parseSlowly(text);
  }
  bool anyDigit = i > firstDigit;
  if (i < n && text[i] == '.') {
    const std::size_t fractionStart = ++i;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
      if (!addDigit(mantissa, digits, text[i])) return parseSlowly(text);
      --scale;
    }
    anyDigit = anyDigit || i > fractionStart;
  }
  if (!anyDigit) return parseSlowly(text);
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negativeExponent = text[i++] == '-';
    if (i == n) return std::nullopt;
    int exponent = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
      if (exponent > 10000) return parseSlowly(text);
      exponent = exponent * 10 + (text[i] - '0');
    }
    scale += negativeExponent ? -exponent : exponent;
  }
  if (i != n) return std::nullopt;
  if (mantissa >= kExactMantissa || scale > kExactPowers || scale < -kExactPowers) {
    return parseSlowly(text);
  }
  double value = static_cast<double>(mantissa);
  value = scale >= 0 ? value * kPowersOfTen[scale] : value / kPowersOfTen[-scale];
  return negative ? -value : value;
}

}  // namespace quillmere::source::xlsx
