#include "source/numfmt/WholePartWriter.h"

#include <algorithm>

namespace quillmere::source::numfmt {

WholePartWriter::WholePartWriter(const DecimalDigits& number, int placeholders, bool grouping,
                                 int leastDigits)
    : number_(number),
      placeholders_(placeholders),
      digitCount_(std::max(number.integerDigitCount(), leastDigits)),
      grouping_(grouping) {}

void WholePartWriter::write(char placeholder, std::string& out) {
  const int power = placeholders_ - 1 - next_;
  if (next_++ == 0) {
    for (int extra = digitCount_ - 1; extra > power; --extra)
      writeAt(extra, number_.digitAt(extra), out);
  }
  if (power < digitCount_) {
    writeAt(power, number_.digitAt(power), out);
  } else if (placeholder == '0') {
    writeAt(power, '0', out);
  } else if (placeholder == '?') {
    writeAt(power, ' ', out);
  }
}

void WholePartWriter::writeUnplaced(std::string& out) const {
  for (int power = digitCount_ - 1; power >= 0; --power)
    writeAt(power, number_.digitAt(power), out);
}

void WholePartWriter::writeAt(int power, char shown, std::string& out) const {
  out += shown;
  if (grouping_ && power > 0 && power % 3 == 0) out += shown == ' ' ? ' ' : ',';
}

}  // namespace quillmere::source::numfmt
