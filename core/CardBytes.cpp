#include "core/CardBytes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillmere::core {

namespace {

// The bytes of the 16 at `from` that equal `a`, `b` or `c`, one bit each, lowest first.
#if defined(__SSE2__)
unsigned matches(const char* from, char a, char b, char c) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  const __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(a)),
                                                  _mm_cmpeq_epi8(block, _mm_set1_epi8(b))),
                                     _mm_cmpeq_epi8(block, _mm_set1_epi8(c)));
  return static_cast<unsigned>(_mm_movemask_epi8(found));
}
#endif

}  // namespace

// Sixteen bytes at a time, as most values and lines hold none of them.
std::size_t nextOf(std::string_view text, std::size_t at, char a, char b, char c) {
  if (at >= text.size()) return text.size();
#if defined(__SSE2__)
  if (text.size() >= 16) {
    for (; at + 16 <= text.size(); at += 16) {
      if (const unsigned found = matches(text.data() + at, a, b, c); found != 0)
        return at + static_cast<std::size_t>(std::countr_zero(found));
    }
    // The last bytes as the end of a block that overlaps the one before.
    const std::size_t last = text.size() - 16;
    const unsigned found = matches(text.data() + last, a, b, c) >> (at - last);
    return found != 0 ? at + static_cast<std::size_t>(std::countr_zero(found)) : text.size();
  }
#endif
  while (at < text.size() && text[at] != a && text[at] != b && text[at] != c)
    ++at;
  return at;
}

void CardBytes::classify(std::string_view record) {
  record_ = record;
  const std::size_t words = (record.size() + 63) / 64;
  breaks_.assign(words, 0);
  specials_.assign(words, 0);
  std::size_t at = 0;
#if defined(__SSE2__)
  for (; at + 16 <= record.size(); at += 16) {
    const auto shift = at % 64;
    breaks_[at / 64] |= std::uint64_t{matches(record.data() + at, '\r', '\n', '\n')} << shift;
    specials_[at / 64] |= std::uint64_t{matches(record.data() + at, '\\', ';', ',')} << shift;
  }
#endif
  for (; at < record.size(); ++at) {
    const char c = record[at];
    const std::uint64_t bit = std::uint64_t{1} << (at % 64);
    if (c == '\r' || c == '\n') breaks_[at / 64] |= bit;
    if (c == '\\' || c == ';' || c == ',') specials_[at / 64] |= bit;
  }
}

}  // namespace quillmere::core
