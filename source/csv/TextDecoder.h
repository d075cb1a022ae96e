#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "source/csv/TextEncoding.h"

namespace quillmere::source::csv {

// Turns UTF-16 (either byte order) or Windows-1252 bytes into UTF-8, fed in pieces that may
// split a code unit or a surrogate pair anywhere. UTF-8 input needs no decoder.
class TextDecoder {
 public:
  explicit TextDecoder(TextEncoding encoding) : encoding_(encoding) {}

  // The most UTF-8 bytes one input byte can turn into (a Windows-1252 euro sign).
  static constexpr std::size_t kMaxGrowth = 3;
  // Room a call may need beyond kMaxGrowth per byte: a surrogate pair completed by this call.
  static constexpr std::size_t kSlack = 4;

  // Decodes `in` into `out`, which must hold kMaxGrowth * in.size() + kSlack bytes; returns
  // the bytes written. Returns false in `ok` at a lone surrogate.
  std::size_t decode(std::string_view in, char* out, bool& ok);

  // True when the input ended on a whole character (no odd byte, no unpaired high surrogate).
  bool complete() const { return !haveByte_ && highSurrogate_ == 0; }

  void reset() {
    haveByte_ = false;
    firstByte_ = 0;
    highSurrogate_ = 0;
  }

 private:
  // Appends one UTF-16 code unit; false at a lone surrogate.
  bool unit(std::uint16_t u, char*& out);

  TextEncoding encoding_;
  bool haveByte_ = false;
  unsigned char firstByte_ = 0;
  std::uint16_t highSurrogate_ = 0;
};

// Writes `codePoint` as UTF-8 and returns the byte after it.
char* appendUtf8(std::uint32_t codePoint, char* out);

}  // namespace quillmere::source::csv
