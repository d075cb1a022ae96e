#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "source/numfmt/Condition.h"
#include "source/numfmt/FormatToken.h"

namespace quillmere::source::numfmt {

enum class SectionKind : unsigned char { Number, Scientific, Fraction, DateTime, General, Text };

// One of the up to four ';'-separated parts of a number format code, parsed once.
struct FormatSection {
  SectionKind kind = SectionKind::Number;
  std::vector<FormatToken> tokens;
  std::string literals;
  std::optional<Condition> condition;

  int powerOfTen = 0;  // +2 for each '%', -3 for each scaling ','
  bool grouping = false;
  int integerDigits = 0;
  int decimalDigits = 0;
  int exponentDigits = 0;
  int numeratorDigits = 0;
  int denominatorDigits = 0;
  long fixedDenominator = 0;  // 0 when the fraction picks its own denominator
  int subSecondDigits = 0;
  bool twelveHour = false;
  bool hasElapsedHours = false;
  bool hasElapsedMinutes = false;

  std::string_view text(const FormatToken& token) const {
    return std::string_view(literals).substr(token.textOffset, token.textLength);
  }
};

}  // namespace quillmere::source::numfmt
