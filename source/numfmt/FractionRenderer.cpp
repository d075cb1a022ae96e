#include "source/numfmt/FractionRenderer.h"

#include <cmath>
#include <cstdint>

#include "source/numfmt/BestFraction.h"
#include "source/numfmt/DecimalDigits.h"
#include "source/numfmt/WholePartWriter.h"

namespace quillmere::source::numfmt {

namespace {

// Whole part times a seven-digit denominator stays below 2^63.
constexpr double kLargestFraction = 1e11;

// Writes the denominator left-aligned: spaces pad it under '?', digits beyond the
// placeholders go with the last one.
class DenominatorWriter {
 public:
  DenominatorWriter(std::int64_t denominator, int placeholders) : placeholders_(placeholders) {
    char reversed[24];
    for (; denominator > 0; denominator /= 10)
      reversed[length_++] = static_cast<char>('0' + denominator % 10);
    for (int i = 0; i < length_; ++i)
      digits_[i] = reversed[length_ - 1 - i];
  }

  void write(char placeholder, std::string& out) {
    const int place = next_++;
    if (place < length_) {
      out += digits_[place];
      if (place == placeholders_ - 1) out.append(digits_ + place + 1, digits_ + length_);
    } else if (placeholder == '?') {
      out += ' ';
    }
  }

 private:
  char digits_[24] = {};
  int length_ = 0;
  int placeholders_;
  int next_ = 0;
};

}  // namespace

bool renderFraction(const FormatSection& section, double magnitude, bool negative,
                    std::string& out) {
  const double value = magnitude * std::pow(10.0, section.powerOfTen);
  if (!(value < kLargestFraction)) return false;
  double whole = std::floor(value);
  const double part = value - whole;
  Fraction fraction;
  if (section.fixedDenominator > 0) {
    fraction.denominator = section.fixedDenominator;
    fraction.numerator = std::llround(part * static_cast<double>(section.fixedDenominator));
  } else {
    const auto largest = static_cast<std::int64_t>(std::pow(10.0, section.denominatorDigits)) - 1;
    fraction = bestFraction(part, largest);
  }
  if (fraction.numerator == fraction.denominator) {
    whole += 1.0;
    fraction.numerator = 0;
  }
  auto wholeNumber = static_cast<std::int64_t>(whole);
  if (section.integerDigits == 0) {
    // "?/?" has no whole part: 1.25 shows as 5/4.
    fraction.numerator += wholeNumber * fraction.denominator;
    wholeNumber = 0;
  }
  // With a whole part, a zero fraction shows as spaces of its width: 2 as "2    " in "# ?/?",
  // and 0 as "0    ".
  const bool blank = section.integerDigits > 0 && fraction.numerator == 0;

  const DecimalDigits wholeDigits =
      DecimalDigits::ofInteger(static_cast<std::uint64_t>(wholeNumber));
  const DecimalDigits numeratorDigits =
      DecimalDigits::ofInteger(static_cast<std::uint64_t>(fraction.numerator));
  WholePartWriter wholeWriter(wholeDigits, section.integerDigits, section.grouping, blank ? 1 : 0);
  WholePartWriter numerator(numeratorDigits, section.numeratorDigits, false, 1);
  DenominatorWriter denominator(fraction.denominator, section.denominatorDigits);
  if (negative) out += '-';
  for (const FormatToken& token : section.tokens) {
    switch (token.kind) {
      case TokenKind::Literal:
        out += section.text(token);
        break;
      case TokenKind::IntegerDigit:
        wholeWriter.write(token.symbol, out);
        break;
      case TokenKind::NumeratorDigit:
        if (blank) {
          out += ' ';
        } else {
          numerator.write(token.symbol, out);
        }
        break;
      case TokenKind::FractionSlash:
        out += blank ? ' ' : '/';
        break;
      case TokenKind::DenominatorDigit:
        if (blank) {
          out += ' ';
        } else {
          denominator.write(token.symbol, out);
        }
        break;
      case TokenKind::FixedDenominator:
        if (blank) {
          out.append(token.textLength, ' ');
        } else {
          out += section.text(token);
        }
        break;
      default:
        break;
    }
  }
  return true;
}

}  // namespace quillmere::source::numfmt
