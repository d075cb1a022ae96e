#include "source/numfmt/DecimalPartWriter.h"

namespace quillmere::source::numfmt {

DecimalPartWriter::DecimalPartWriter(const DecimalDigits& number, int placeholders)
    : number_(number) {
  for (int place = placeholders; place > 0 && significant_ == 0; --place) {
    if (number.digitAt(-place) != '0') significant_ = place;
  }
}

void DecimalPartWriter::write(char placeholder, std::string& out) {
  const int place = ++next_;
  if (place <= significant_ || placeholder == '0') {
    out += number_.digitAt(-place);
  } else if (placeholder == '?') {
    out += ' ';
  }
}

}  // namespace quillmere::source::numfmt
