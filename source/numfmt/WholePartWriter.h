#pragma once

#include <string>

#include "source/numfmt/DecimalDigits.h"

namespace quillmere::source::numfmt {

// Writes the whole part of a number into a run of placeholders, right-aligned: digits beyond
// the placeholders go with the first one; a placeholder without a digit shows '0' for 0, a
// space for '?' and nothing for '#'. With grouping, "," follows every third digit from the
// right (a space after a '?' that shows a space).
class WholePartWriter {
 public:
  // `leastDigits` 1 shows a zero whole part as "0" even under '#'.
  WholePartWriter(const DecimalDigits& number, int placeholders, bool grouping,
                  int leastDigits = 0);

  // One call for each placeholder, in order.
  void write(char placeholder, std::string& out);
  // The whole part where the code has no placeholder for it (".00" shows 12.5 as "12.50").
  void writeUnplaced(std::string& out) const;

 private:
  void writeAt(int power, char shown, std::string& out) const;

  const DecimalDigits& number_;
  int placeholders_;
  int digitCount_;
  bool grouping_;
  int next_ = 0;
};

}  // namespace quillmere::source::numfmt
