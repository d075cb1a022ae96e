#pragma once

#include <string>

#include "source/numfmt/DecimalDigits.h"

namespace quillmere::source::numfmt {

// Writes the decimals of a number, already rounded to the placeholders, left-aligned: every
// digit up to the last one that is not zero; after it '0' shows a zero, '?' a space and '#'
// nothing.
class DecimalPartWriter {
 public:
  DecimalPartWriter(const DecimalDigits& number, int placeholders);

  // One call for each placeholder, in order.
  void write(char placeholder, std::string& out);

 private:
  const DecimalDigits& number_;
  int significant_ = 0;
  int next_ = 0;
};

}  // namespace quillmere::source::numfmt
