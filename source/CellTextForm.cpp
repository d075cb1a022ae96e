#include "source/CellTextForm.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quillmere::source {

namespace {

constexpr int kSignificantDigits = 15;
constexpr double kFifteenDigitsEnd = 1e15;

}  // namespace

std::string formatNumber(double value, char decimalSeparator) {
  std::string out;
  appendNumber(out, value, decimalSeparator);
  return out;
}

void appendNumber(std::string& out, double value, char decimalSeparator) {
  if (std::isnan(value)) {
    out += "#NUM!";
    return;
  }
  if (std::isinf(value)) {
    out += value > 0 ? "#NUM!" : "-#NUM!";
    return;
  }
  // Whole numbers under 1E+15 have at most 15 digits, so they are written exactly as they
  // are; phone numbers, postal codes and years stored as numbers are most of a sheet's.
  if (std::abs(value) < kFifteenDigitsEnd && value == std::trunc(value)) {
    char digits[24];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value)).ptr;
    out.append(digits, end);
    return;
  }

  // Round to 15 significant digits first; the exponent of the rounded value decides the form,
  // so 999999999999999.9 becomes 1E+15 rather than a 16-digit integer.
  // std::to_chars writes '.' in every locale; printf would follow LC_NUMERIC, which Qt sets
  // from the desktop (a German one gives "4,2e+01" and broke the digits below).
  char digits[32] = {};
  std::to_chars(digits, digits + sizeof digits - 1, value, std::chars_format::scientific,
                kSignificantDigits - 1);
  // digits: [-]d.dddddddddddddde[+-]XX
  const char* p = digits;
  const bool negative = *p == '-';
  if (negative) ++p;
  char mantissaDigits[kSignificantDigits];
  std::size_t mantissaSize = 0;
  mantissaDigits[mantissaSize++] = *p++;
  if (*p == '.') ++p;
  while (*p != 'e')
    mantissaDigits[mantissaSize++] = *p++;
  const int exponent = std::atoi(p + 1);
  while (mantissaSize > 1 && mantissaDigits[mantissaSize - 1] == '0')
    --mantissaSize;
  const std::string_view mantissa(mantissaDigits, mantissaSize);

  if (negative) out += '-';
  if (exponent >= kSignificantDigits || exponent < -4) {
    out += mantissa[0];
    if (mantissa.size() > 1) {
      out += decimalSeparator;
      out += mantissa.substr(1);
    }
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    out += exponentText;
  } else if (exponent < 0) {
    out += '0';
    out += decimalSeparator;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += mantissa;
  } else {
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= integerDigits) {
      out += mantissa;
      out.append(integerDigits - mantissa.size(), '0');
    } else {
      out += mantissa.substr(0, integerDigits);
      out += decimalSeparator;
      out += mantissa.substr(integerDigits);
    }
  }
}

void appendTextForm(std::string& out, const CellValue& cell, char decimalSeparator) {
  switch (cell.kind) {
    case CellKind::Empty:
      break;
    case CellKind::Text:
    case CellKind::Error:
      out += cell.text;
      break;
    case CellKind::Number:
      appendNumber(out, cell.number, decimalSeparator);
      break;
    case CellKind::Boolean:
      out += cell.number != 0.0 ? "True" : "False";
      break;
  }
}

std::string textForm(const CellValue& cell, char decimalSeparator) {
  std::string out;
  appendTextForm(out, cell, decimalSeparator);
  return out;
}

}  // namespace quillmere::source
