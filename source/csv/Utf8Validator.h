#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmere::source::csv {

// The first byte in [p, end) above 0x7F, or end; contact lists are mostly ASCII, so this
// goes a block at a time.
const unsigned char* skipAscii(const unsigned char* p, const unsigned char* end);

// Checks that a byte stream is well-formed UTF-8 (no overlong forms, no surrogates, nothing
// past U+10FFFF), fed in pieces that may split a character anywhere.
class Utf8Validator {
 public:
  // False from the first malformed byte on; offset() then says where it was.
  bool feed(std::string_view bytes);

  // True when the stream fed so far is valid and does not end inside a character.
  bool complete() const { return valid_ && pending_ == 0; }

  bool valid() const { return valid_; }

  // Where the first malformed character starts (all bytes fed while the stream is valid).
  std::uint64_t offset() const { return offset_; }

  // Whether any byte above 0x7F has been seen.
  bool sawNonAscii() const { return sawNonAscii_; }

 private:
  bool valid_ = true;
  bool sawNonAscii_ = false;
  unsigned pending_ = 0;  // continuation bytes still owed by the current character
  unsigned char low_ = 0x80, high_ = 0xBF;  // range allowed for the next continuation byte
  std::uint64_t offset_ = 0;
  std::uint64_t leadOffset_ = 0;  // the current character's first byte
};

}  // namespace quillmere::source::csv
