#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillmere::core {

// Where the next `a`, `b` or `c` is from `at` in `text`, or its end.
std::size_t nextOf(std::string_view text, std::size_t at, char a, char b, char c);

// Which bytes of a card the quick pass stops at, one bit each: the line breaks, and the bytes
// a value is cut at. Made once for the whole card sixteen bytes at a time, so finding the next
// takes a few instructions however short the value; most values are a few bytes long.
class CardBytes {
 public:
  void classify(std::string_view record);

  // Where the next CR or LF is from `at`, or the card's end.
  std::size_t nextBreak(std::size_t at) const { return next(breaks_, at, record_.size()); }

  // Where the next "\\", ";" or "," is in `text` from `at`, or its end. A value unfolded or
  // decoded into a copy lies outside the card and is looked through.
  std::size_t nextSpecial(std::string_view text, std::size_t at) const {
    const auto start = reinterpret_cast<std::uintptr_t>(text.data());
    const auto base = reinterpret_cast<std::uintptr_t>(record_.data());
    if (start < base || start + text.size() > base + record_.size())
      return nextOf(text, at, '\\', ';', ',');
    const std::size_t offset = start - base;
    return next(specials_, offset + at, offset + text.size()) - offset;
  }

 private:
  static std::size_t next(const std::vector<std::uint64_t>& bits, std::size_t at, std::size_t end) {
    if (at >= end) return end;
    std::size_t word = at / 64;
    std::uint64_t found = bits[word] & (~std::uint64_t{0} << (at % 64));
    while (found == 0) {
      if (++word * 64 >= end) return end;
      found = bits[word];
    }
    return std::min(word * 64 + static_cast<std::size_t>(std::countr_zero(found)), end);
  }

  std::string_view record_;
  std::vector<std::uint64_t> breaks_, specials_;
};

}  // namespace quillmere::core
