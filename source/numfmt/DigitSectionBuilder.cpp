#include "source/numfmt/DigitSectionBuilder.h"

#include <string>

#include "source/numfmt/SectionWriter.h"

namespace quillmere::source::numfmt {

namespace {

// Spreadsheets show a denominator of at most seven digits.
constexpr std::size_t kMaxDenominatorDigits = 7;

// A run of commas after a placeholder: between placeholders of the whole part they group
// thousands, at the end of the digits each divides by 1000, elsewhere they are shown.
void readCommas(const std::vector<RawToken>& raw, std::size_t& i, bool wholePart, bool exponentPart,
                FormatSection& section, SectionWriter& out) {
  std::size_t end = i;
  while (end < raw.size() && raw[end].kind == RawKind::Comma)
    ++end;
  const auto count = static_cast<int>(end - i);
  const bool afterDigit = i > 0 && isPlaceholderAt(raw, i - 1);
  if (afterDigit && isPlaceholderAt(raw, end)) {
    if (wholePart) section.grouping = true;
  } else if (afterDigit && !exponentPart) {
    section.powerOfTen -= 3 * count;
  } else {
    for (int k = 0; k < count; ++k)
      out.literal(",");
  }
  i = end - 1;
}

}  // namespace

bool buildNumberSection(const std::vector<RawToken>& raw, FormatSection& section) {
  enum class Zone { Whole, Decimals, Exponent } zone = Zone::Whole;
  SectionWriter out(section);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const RawToken& token = raw[i];
    switch (token.kind) {
      case RawKind::Placeholder:
        if (zone == Zone::Whole) {
          out.add(TokenKind::IntegerDigit, token.symbol);
          ++section.integerDigits;
        } else if (zone == Zone::Decimals) {
          out.add(TokenKind::DecimalDigit, token.symbol);
          ++section.decimalDigits;
        } else {
          out.add(TokenKind::ExponentDigit, token.symbol);
          ++section.exponentDigits;
        }
        break;
      case RawKind::Point:
        if (zone == Zone::Whole) {
          out.add(TokenKind::DecimalPoint);
          zone = Zone::Decimals;
        } else {
          out.literal(token.text);
        }
        break;
      case RawKind::Exponent:
        if (zone == Zone::Exponent) return false;
        out.add(TokenKind::ExponentMark, token.symbol, token.count);
        section.kind = SectionKind::Scientific;
        zone = Zone::Exponent;
        break;
      case RawKind::Comma:
        readCommas(raw, i, zone == Zone::Whole, zone == Zone::Exponent, section, out);
        break;
      case RawKind::Percent:
        section.powerOfTen += 2;
        out.literal(token.text);
        break;
      case RawKind::Literal:
      case RawKind::Digit:
      case RawKind::Slash:
        out.literal(token.text);
        break;
      default:
        return false;
    }
  }
  if (section.kind == SectionKind::Scientific && section.exponentDigits == 0) return false;
  return out.fits();
}

bool buildFractionSection(const std::vector<RawToken>& raw, std::size_t slash,
                          FormatSection& section) {
  section.kind = SectionKind::Fraction;
  SectionWriter out(section);
  std::size_t numeratorStart = slash;
  while (numeratorStart > 0 && isPlaceholderAt(raw, numeratorStart - 1))
    --numeratorStart;
  std::size_t denominatorEnd = slash + 1;
  std::string fixed;
  if (raw[denominatorEnd].kind == RawKind::Digit) {
    while (denominatorEnd < raw.size() &&
           (raw[denominatorEnd].kind == RawKind::Digit ||
            (isPlaceholderAt(raw, denominatorEnd) && raw[denominatorEnd].symbol == '0'))) {
      fixed += raw[denominatorEnd++].symbol;
    }
    if (fixed.size() > kMaxDenominatorDigits) return false;
    for (const char digit : fixed)
      section.fixedDenominator = section.fixedDenominator * 10 + (digit - '0');
  } else {
    while (isPlaceholderAt(raw, denominatorEnd))
      ++denominatorEnd;
    section.denominatorDigits = static_cast<int>(denominatorEnd - slash - 1);
    if (section.denominatorDigits > static_cast<int>(kMaxDenominatorDigits)) return false;
  }

  for (std::size_t i = 0; i < raw.size(); ++i) {
    const RawToken& token = raw[i];
    if (i >= numeratorStart && i < slash) {
      out.add(TokenKind::NumeratorDigit, token.symbol);
      ++section.numeratorDigits;
    } else if (i == slash) {
      out.add(TokenKind::FractionSlash);
    } else if (i < denominatorEnd && i > slash) {
      if (!fixed.empty()) {
        out.addText(TokenKind::FixedDenominator, fixed);
        i = denominatorEnd - 1;
      } else {
        out.add(TokenKind::DenominatorDigit, token.symbol);
      }
    } else if (token.kind == RawKind::Placeholder) {
      if (i > slash) return false;
      out.add(TokenKind::IntegerDigit, token.symbol);
      ++section.integerDigits;
    } else if (token.kind == RawKind::Comma) {
      readCommas(raw, i, i < numeratorStart, false, section, out);
    } else if (token.kind == RawKind::Percent) {
      section.powerOfTen += 2;
      out.literal(token.text);
    } else if (token.kind == RawKind::Literal || token.kind == RawKind::Digit ||
               token.kind == RawKind::Slash) {
      out.literal(token.text);
    } else {
      return false;
    }
  }
  return out.fits();
}

std::size_t findFractionSlash(const std::vector<RawToken>& raw) {
  for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
    if (raw[i].kind == RawKind::Slash && isPlaceholderAt(raw, i - 1) &&
        (isPlaceholderAt(raw, i + 1) || raw[i + 1].kind == RawKind::Digit)) {
      return i;
    }
  }
  return raw.size();
}

}  // namespace quillmere::source::numfmt
