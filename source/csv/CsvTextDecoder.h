#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "source/csv/TextEncoding.h"

namespace quillmere::source::csv {

// Turns UTF-16 (either byte order) into UTF-8, fed in pieces that may split a code unit or a
// surrogate pair anywhere. Other text is decoded line by line (see LineDecoder).
class CsvTextDecoder {
 public:
  // `encoding` is UTF-16 in either byte order.
  explicit CsvTextDecoder(TextEncoding encoding) : encoding_(encoding) {}

  // The most UTF-8 bytes one input byte can turn into: a unit of two bytes becomes at most
  // three.
  static constexpr std::size_t kMaxGrowth = 2;
  // Room a call may need beyond kMaxGrowth per byte: a surrogate pair completed by this call.
  static constexpr std::size_t kSlack = 4;

  // What stops a decoding: UTF-16 text can hold neither.
  enum class Fault { None, LoneSurrogate, Nul };

  // Decodes `in` into `out`, which must hold kMaxGrowth * in.size() + kSlack bytes; returns
  // the bytes written. Stops at a lone surrogate or a NUL character and says so in `fault`.
  std::size_t decode(std::string_view in, char* out, Fault& fault);

  // True when the input ended on a whole character (no odd byte, no unpaired high surrogate).
  bool complete() const { return !haveByte_ && highSurrogate_ == 0; }

  void reset() {
    haveByte_ = false;
    firstByte_ = 0;
    highSurrogate_ = 0;
  }

 private:
  // Appends one UTF-16 code unit.
  Fault unit(std::uint16_t u, char*& out);

  TextEncoding encoding_;
  bool haveByte_ = false;
  unsigned char firstByte_ = 0;
  std::uint16_t highSurrogate_ = 0;
};

}  // namespace quillmere::source::csv
