#include "source/csv/LineDecoder.h"

#include <cstring>

#include "source/Unicode.h"
#include "source/csv/AsciiText.h"

namespace quillmere::source::csv {

namespace {

// What the bytes at p begin with, p pointing at one above 0x7F.
struct Form {
  enum { Character, Stray, Unfinished } kind;
  std::size_t length;  // of the character, or of the stray bytes
};

Form formAt(const unsigned char* p, const unsigned char* end) {
  const unsigned char lead = *p;
  std::size_t continuations = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the first continuation byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // U+D800..U+DFFF are not characters
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return {Form::Stray, 1};
  }
  for (std::size_t k = 1; k <= continuations; ++k) {
    if (p + k == end) return {Form::Unfinished, k};
    if (p[k] < low || p[k] > high) return {Form::Stray, k};
    low = 0x80;
    high = 0xBF;
  }
  return {Form::Character, continuations + 1};
}

}  // namespace

void LineDecoder::reset(std::uint64_t offset) {
  offset_ = offset;
  held_ = 0;
  line_ = LineKind::Ascii;
  lineStart_ = 0;
  stop_ = Stop::None;
  stopOffset_ = 0;
}

bool LineDecoder::take(LineKind kind, std::uint64_t offset) {
  if (line_ == LineKind::Ascii) {
    line_ = kind;
    lineStart_ = offset;
  } else if (line_ != kind) {
    stop_ = Stop::MixedLine;
    stopOffset_ = lineStart_;
    return false;
  }
  (kind == LineKind::Utf8 ? sawUtf8_ : sawWindows1252_) = true;
  return true;
}

std::size_t LineDecoder::decode(std::vector<char>& buffer, std::size_t at, std::size_t length,
                                std::vector<char>& scratch) {
  held_ = 0;
  if (stop_ != Stop::None) return 0;
  // Reads at p; writes at out once something has changed.
  const auto* in = reinterpret_cast<const unsigned char*>(buffer.data() + at);
  const auto* p = in;
  const auto* end = in + length;
  std::uint64_t inOffset = offset_;
  bool moved = false;
  std::size_t out = at;
  const auto copy = [&](const unsigned char* from, std::size_t count) {
    if (moved) {
      std::memcpy(buffer.data() + out, from, count);
      out += count;
    }
  };
  while (p < end) {
    // A line of ASCII so far needs no look at its end; a line with more does.
    const auto* stop =
        line_ == LineKind::Ascii ? skipAsciiText(p, end) : skipAsciiTextInLine(p, end);
    copy(p, static_cast<std::size_t>(stop - p));
    p = stop;
    if (p == end) break;
    const std::uint64_t offset = inOffset + static_cast<std::uint64_t>(p - in);
    if (*p == 0) {
      stop_ = Stop::NulByte;
      stopOffset_ = offset;
      return 0;
    }
    if (*p == '\r' || *p == '\n') {
      line_ = LineKind::Ascii;
      copy(p, 1);
      ++p;
      continue;
    }
    const Form form = formAt(p, end);
    if (form.kind == Form::Unfinished) break;
    if (form.kind == Form::Character) {
      if (!take(LineKind::Utf8, offset)) return 0;
      copy(p, form.length);
      p += form.length;
      continue;
    }
    if (!take(LineKind::Windows1252, offset)) return 0;
    if (!moved) {
      // From here the text changes: the rest moves aside and comes back decoded.
      out = at + static_cast<std::size_t>(p - in);
      scratch.assign(p, end);
      const std::size_t needed = out + scratch.size() * kMaxGrowth;
      if (buffer.size() < needed) buffer.resize(needed);
      inOffset = offset;
      in = p = reinterpret_cast<const unsigned char*>(scratch.data());
      end = in + scratch.size();
      moved = true;
    }
    for (std::size_t k = 0; k < form.length; ++k)
      out += putWindows1252(buffer.data() + out, p[k]);
    p += form.length;
  }
  held_ = static_cast<std::size_t>(end - p);
  offset_ = inOffset + static_cast<std::uint64_t>(p - in);
  if (!moved) return static_cast<std::size_t>(p - in);
  std::memcpy(buffer.data() + out, p, held_);
  return out - at;
}

std::size_t LineDecoder::finish(std::vector<char>& buffer, std::size_t at) {
  if (held_ == 0 || stop_ != Stop::None) return 0;
  if (!take(LineKind::Windows1252, offset_)) return 0;
  unsigned char cut[3];  // a lead byte and up to two continuation bytes
  std::memcpy(cut, buffer.data() + at, held_);
  if (buffer.size() < at + held_ * kMaxGrowth) buffer.resize(at + held_ * kMaxGrowth);
  char* out = buffer.data() + at;
  for (std::size_t k = 0; k < held_; ++k)
    out += putWindows1252(out, cut[k]);
  held_ = 0;
  return static_cast<std::size_t>(out - (buffer.data() + at));
}

}  // namespace quillmere::source::csv
