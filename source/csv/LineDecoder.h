#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillmere::source::csv {

// Decodes a text file without a UTF-16 mark as it is read, each line by its own bytes: ASCII
// reads alike either way, a line of valid UTF-8 is UTF-8, and a line holding bytes that are
// no part of a UTF-8 character (a stray byte, an overlong form, a surrogate) is
// Windows-1252, which Windows writes by default. So a few stray bytes change their own lines
// only, and a file without any UTF-8 is Windows-1252 throughout. Text that needs no change
// stays where it was read. Decoding stops at what cannot be text either way: a NUL byte,
// and a line holding both UTF-8 characters and stray bytes. Lines end at CR, LF or CR LF.
class LineDecoder {
 public:
  enum class Stop { None, NulByte, MixedLine };

  // The most bytes of UTF-8 one byte becomes (a Windows-1252 euro sign).
  static constexpr std::size_t kMaxGrowth = 3;

  // `offset` is the file offset of the first byte to be decoded.
  explicit LineDecoder(std::uint64_t offset = 0) { reset(offset); }
  void reset(std::uint64_t offset);

  // Decodes the `length` bytes at buffer[at] where they are, up to the first byte that
  // changes (one above 0x7F in a Windows-1252 line); from there the rest is moved to
  // `scratch` and written back decoded, `buffer` growing as it must. The bytes of a character
  // that the next piece may complete are held back right after the decoded text, to be given
  // again at the start of the next piece. Returns the bytes of decoded text; 0 with stop()
  // set when the text cannot be decoded.
  std::size_t decode(std::vector<char>& buffer, std::size_t at, std::size_t length,
                     std::vector<char>& scratch);

  // Bytes the last decode() held back.
  std::size_t held() const { return held_; }

  // At the end of the file, held bytes are a character cut off, so stray bytes: decodes them
  // where they are, at buffer[at]. Returns the bytes of decoded text.
  std::size_t finish(std::vector<char>& buffer, std::size_t at);

  Stop stop() const { return stop_; }
  // The NUL byte, or the mixed line's first byte above 0x7F.
  std::uint64_t stopOffset() const { return stopOffset_; }

  bool sawUtf8() const { return sawUtf8_; }
  bool sawWindows1252() const { return sawWindows1252_; }

 private:
  enum class LineKind { Ascii, Utf8, Windows1252 };

  bool take(LineKind kind, std::uint64_t offset);

  std::uint64_t offset_ = 0;  // of the next byte to decode, held bytes first
  std::size_t held_ = 0;
  LineKind line_ = LineKind::Ascii;
  std::uint64_t lineStart_ = 0;  // the line's first byte above 0x7F
  Stop stop_ = Stop::None;
  std::uint64_t stopOffset_ = 0;
  bool sawUtf8_ = false;
  bool sawWindows1252_ = false;
};

}  // namespace quillmere::source::csv
