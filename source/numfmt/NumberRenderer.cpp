#include "source/numfmt/NumberRenderer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "source/numfmt/DecimalDigits.h"
#include "source/numfmt/DecimalPartWriter.h"
#include "source/numfmt/WholePartWriter.h"

namespace quillmere::source::numfmt {

namespace {

int floorDivide(int value, int divisor) {
  const int quotient = value / divisor;
  return value % divisor != 0 && value < 0 ? quotient - 1 : quotient;
}

// The exponent is a multiple of the count of whole-part placeholders, so "##0.0E+0" shows
// 12345 as 12.3E+3 and "0.00E+00" as 1.23E+04. Leaves `number` as the rounded mantissa.
int takeExponent(const FormatSection& section, DecimalDigits& number) {
  if (number.isZero()) return 0;
  const int step = std::max(section.integerDigits, 1);
  const auto exponentFor = [step](int pointPosition) {
    return floorDivide(pointPosition - 1, step) * step;
  };
  int exponent = exponentFor(number.pointPosition());
  DecimalDigits mantissa = number;
  mantissa.shift(-exponent);
  mantissa.roundToDecimals(section.decimalDigits);
  // Rounding may carry into one more digit: 9.995 as "0.00E+00" is 1.00E+01.
  const int rounded = exponentFor(mantissa.pointPosition() + exponent);
  if (rounded != exponent) {
    exponent = rounded;
    mantissa = number;
    mantissa.shift(-exponent);
    mantissa.roundToDecimals(section.decimalDigits);
  }
  number = mantissa;
  return exponent;
}

}  // namespace

void renderNumber(const FormatSection& section, double magnitude, bool negative, std::string& out) {
  DecimalDigits number = DecimalDigits::of(magnitude);
  number.shift(section.powerOfTen);
  int exponent = 0;
  if (section.kind == SectionKind::Scientific) {
    exponent = takeExponent(section, number);
  } else {
    number.roundToDecimals(section.decimalDigits);
  }
  const DecimalDigits exponentNumber =
      DecimalDigits::ofInteger(static_cast<std::uint64_t>(std::abs(exponent)));

  WholePartWriter whole(number, section.integerDigits, section.grouping);
  DecimalPartWriter decimals(number, section.decimalDigits);
  WholePartWriter exponentDigits(exponentNumber, section.exponentDigits, false);
  if (negative) out += '-';
  for (const FormatToken& token : section.tokens) {
    switch (token.kind) {
      case TokenKind::IntegerDigit:
        whole.write(token.symbol, out);
        break;
      case TokenKind::DecimalPoint:
        if (section.integerDigits == 0) whole.writeUnplaced(out);
        out += '.';
        break;
      case TokenKind::DecimalDigit:
        decimals.write(token.symbol, out);
        break;
      case TokenKind::ExponentMark:
        out += token.symbol;
        if (exponent < 0) {
          out += '-';
        } else if (token.width != 0) {
          out += '+';
        }
        break;
      case TokenKind::ExponentDigit:
        exponentDigits.write(token.symbol, out);
        break;
      case TokenKind::Literal:
        out += section.text(token);
        break;
      default:
        break;
    }
  }
}

}  // namespace quillmere::source::numfmt
