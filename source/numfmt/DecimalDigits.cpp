#include "source/numfmt/DecimalDigits.h"

#include <charconv>

namespace quillmere::source::numfmt {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

DecimalDigits DecimalDigits::of(double magnitude) {
  DecimalDigits result;
  if (!(magnitude > 0.0)) return result;
  // "d.dddddddddddddde+XX": fifteen significant digits, correctly rounded, and unlike printf
  // the same '.' whatever locale the program runs in.
  char text[40];
  const auto written = std::to_chars(text, text + sizeof text, magnitude,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  const char* p = text;
  while (*p != 'e') {
    if (*p != '.') result.digits_[static_cast<std::size_t>(result.count_++)] = *p;
    ++p;
  }
  int exponent = 0;
  std::from_chars(p + (p[1] == '+' ? 2 : 1), written.ptr, exponent);
  result.pointPosition_ = exponent + 1;
  result.dropTrailingZeros();
  return result;
}

DecimalDigits DecimalDigits::ofInteger(std::uint64_t value) {
  DecimalDigits result;
  char reversed[24];
  int length = 0;
  for (; value > 0; value /= 10)
    reversed[length++] = static_cast<char>('0' + value % 10);
  for (int i = length - 1; i >= 0; --i)
    result.digits_[static_cast<std::size_t>(result.count_++)] = reversed[i];
  result.pointPosition_ = length;
  result.dropTrailingZeros();
  return result;
}

char DecimalDigits::digitAt(int power) const {
  const int index = pointPosition_ - 1 - power;
  return index >= 0 && index < count_ ? digits_[static_cast<std::size_t>(index)] : '0';
}

void DecimalDigits::roundAt(int keep) {
  if (keep >= count_) return;
  if (keep < 0) {
    count_ = 0;
    return;
  }
  const bool up = digits_[static_cast<std::size_t>(keep)] >= '5';
  count_ = keep;
  if (!up) {
    dropTrailingZeros();
    return;
  }
  // Nines carry; the zeros they leave behind are dropped.
  int i = keep - 1;
  while (i >= 0 && digits_[static_cast<std::size_t>(i)] == '9')
    --i;
  if (i < 0) {
    digits_[0] = '1';
    count_ = 1;
    ++pointPosition_;
  } else {
    ++digits_[static_cast<std::size_t>(i)];
    count_ = i + 1;
  }
}

void DecimalDigits::dropTrailingZeros() {
  while (count_ > 0 && digits_[static_cast<std::size_t>(count_ - 1)] == '0')
    --count_;
}

}  // namespace quillmere::source::numfmt
