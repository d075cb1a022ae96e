#include "core/CardBytes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <array>
#include <cstring>

namespace quillmere::core {

namespace {

// The bytes of the 16 at `from` that equal `a`, `b` or `c`, one bit each, lowest first.
unsigned matches(const char* from, char a, char b, char c) {
#if defined(__SSE2__)
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  const __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(a)),
                                                  _mm_cmpeq_epi8(block, _mm_set1_epi8(b))),
                                     _mm_cmpeq_epi8(block, _mm_set1_epi8(c)));
  return static_cast<unsigned>(_mm_movemask_epi8(found));
#else
  unsigned found = 0;
  for (unsigned i = 0; i < 16; ++i)
    found |= unsigned{from[i] == a || from[i] == b || from[i] == c} << i;
  return found;
#endif
}

}  // namespace

// Sixteen bytes at a time, as most values and lines hold none of them.
std::size_t nextOf(std::string_view text, std::size_t at, char a, char b, char c) {
  if (at >= text.size()) return text.size();
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
  while (at < text.size() && text[at] != a && text[at] != b && text[at] != c)
    ++at;
  return at;
}

void CardBytes::classify(std::string_view record) {
  record_ = record;
  const std::size_t words = (record.size() + 63) / 64;
  breaks_.resize(words);
  specials_.resize(words);
  for (std::size_t word = 0; word < words; ++word) {
    std::uint64_t breaks = 0;
    std::uint64_t specials = 0;
    for (std::size_t block = 0; block < 4; ++block) {
      const std::size_t at = word * 64 + block * 16;
      if (at >= record.size()) break;
      const char* from = record.data() + at;
      // The last bytes padded with NULs, which match nothing looked for.
      std::array<char, 16> last{};
      if (record.size() - at < 16) {
        std::memcpy(last.data(), from, record.size() - at);
        from = last.data();
      }
      breaks |= std::uint64_t{matches(from, '\r', '\n', '\n')} << (block * 16);
      specials |= std::uint64_t{matches(from, '\\', ';', ',')} << (block * 16);
    }
    breaks_[word] = breaks;
    specials_[word] = specials;
  }
}

}  // namespace quillmere::core
