#include "source/xlsx/DecimalNumber.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quillmere::source::xlsx {

namespace {

constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
constexpr int kExactPowers = 22;
constexpr int kMaxMantissaDigits = 19;
constexpr double kPowersOfTen[kExactPowers + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Every number text the fast path declines: long mantissas, large exponents, "inf", "nan".
std::optional<double> parseSlowly(std::string_view text) {
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (begin != end && *begin == '+') ++begin;
  double value = 0.0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ptr != end || begin == end) return std::nullopt;
  if (result.ec == std::errc::result_out_of_range) {
    // Values past the double range or below its normal range still read as the nearest
    // double (infinity, a subnormal or zero), as the spreadsheet itself shows them.
    return std::strtod(std::string(text).c_str(), nullptr);
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
