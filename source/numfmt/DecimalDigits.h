#pragma once

#include <array>
#include <cstdint>

namespace quillmere::source::numfmt {

// A finite number >= 0 as the decimal digits a spreadsheet shows: at most 15 significant
// digits, so 0.1 + 0.2 is 0.3 and 2.675 (stored as 2.67499999...) rounds to 2.68.
// The value is 0.d1 d2 d3 ... times ten to the power pointPosition().
class DecimalDigits {
 public:
  static DecimalDigits of(double magnitude);
  static DecimalDigits ofInteger(std::uint64_t value);

  // Multiplies by ten to the given power, exactly.
  void shift(int powerOfTen) { pointPosition_ += powerOfTen; }
  // Rounds half away from zero to the given number of decimal places.
  void roundToDecimals(int decimals) { roundAt(pointPosition_ + decimals); }

  bool isZero() const { return count_ == 0; }
  int pointPosition() const { return pointPosition_; }
  int integerDigitCount() const { return count_ == 0 || pointPosition_ < 0 ? 0 : pointPosition_; }
  // The digit worth ten to the given power (0 the units, -1 the tenths), '0' beyond the digits.
  char digitAt(int power) const;

 private:
  // Keeps the leading `keep` digits, rounding on the next one.
  void roundAt(int keep);
  void dropTrailingZeros();

  // 15 significant digits, or the up to 20 of a 64-bit integer.
  std::array<char, 24> digits_{};
  int count_ = 0;
  int pointPosition_ = 0;
};

}  // namespace quillmere::source::numfmt
