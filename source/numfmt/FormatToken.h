#pragma once

#include <cstdint>

namespace quillmere::source::numfmt {

enum class TokenKind : std::uint8_t {
  Literal,       // text shown as it is, kept in FormatSection::literals
  IntegerDigit,  // 0 # ? left of the decimal point, or a fraction's whole part
  DecimalPoint,
  DecimalDigit,    // 0 # ? right of the decimal point
  ExponentMark,    // E+ E- e+ e-
  ExponentDigit,   // 0 # ? of the exponent
  NumeratorDigit,  // 0 # ? before a fraction's slash
  FractionSlash,
  DenominatorDigit,  // 0 # ? after a fraction's slash
  FixedDenominator,  // ?/8: the digits are in literals
  GeneralNumber,     // "General" inside a section with literals
  TextValue,         // @ in the text section
  Year,
  Month,
  Day,
  Hour,
  Minute,
  Second,
  SubSecond,  // the zeros of ss.00
  AmPm,       // AM/PM or A/P: the morning text, then the afternoon text of equal length
  ElapsedHours,
  ElapsedMinutes,
  ElapsedSeconds,
};

// One piece of a parsed section.
// - digit tokens: `symbol` is the placeholder '0', '#' or '?';
// - ExponentMark: `symbol` is the 'E' or 'e' written, `width` 1 when "+" shows for exponents >= 0;
// - date and time tokens: `width` is the letter count (Year 2 or 4, Month 1-5, Day 1-4, Hour,
//   Minute and Second 1-2), the digit count of SubSecond, the least digits of an elapsed unit;
// - Literal, FixedDenominator and AmPm: `textOffset` and `textLength` locate the text.
struct FormatToken {
  TokenKind kind = TokenKind::Literal;
  char symbol = 0;
  std::uint8_t width = 0;
  std::uint16_t textOffset = 0;
  std::uint16_t textLength = 0;
};

}  // namespace quillmere::source::numfmt
