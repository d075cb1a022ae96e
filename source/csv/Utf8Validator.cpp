#include "source/csv/Utf8Validator.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillmere::source::csv {

const unsigned char* skipAscii(const unsigned char* p, const unsigned char* const end) {
#if defined(__SSE2__)
  while (end - p >= 64) {
    const auto* block = reinterpret_cast<const __m128i*>(p);
    const __m128i any =
        _mm_or_si128(_mm_or_si128(_mm_loadu_si128(block), _mm_loadu_si128(block + 1)),
                     _mm_or_si128(_mm_loadu_si128(block + 2), _mm_loadu_si128(block + 3)));
    if (_mm_movemask_epi8(any) != 0) break;
    p += 64;
  }
  while (end - p >= 16 &&
         _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))) == 0) {
    p += 16;
  }
#endif
  while (end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    if (word & 0x8080808080808080ULL) break;
    p += 8;
  }
  while (p < end && *p < 0x80)
    ++p;
  return p;
}

bool Utf8Validator::feed(std::string_view bytes) {
  if (!valid_) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p < end) {
    if (pending_ == 0) {
      p = skipAscii(p, end);
      if (p == end) break;
      const unsigned char b = *p;
      sawNonAscii_ = true;
      leadOffset_ = offset_ + static_cast<std::uint64_t>(
                                  p - reinterpret_cast<const unsigned char*>(bytes.data()));
      low_ = 0x80;
      high_ = 0xBF;
      if (b >= 0xC2 && b <= 0xDF) {
        pending_ = 1;
      } else if (b >= 0xE0 && b <= 0xEF) {
        pending_ = 2;
        if (b == 0xE0) low_ = 0xA0;
        if (b == 0xED) high_ = 0x9F;  // U+D800..U+DFFF are not characters
      } else if (b >= 0xF0 && b <= 0xF4) {
        pending_ = 3;
        if (b == 0xF0) low_ = 0x90;
        if (b == 0xF4) high_ = 0x8F;
      } else {
        valid_ = false;
        offset_ +=
            static_cast<std::uint64_t>(p - reinterpret_cast<const unsigned char*>(bytes.data()));
        return false;
      }
      ++p;
    } else {
      const unsigned char b = *p;
      if (b < low_ || b > high_) {
        valid_ = false;
        offset_ = leadOffset_;
        return false;
      }
      low_ = 0x80;
      high_ = 0xBF;
      --pending_;
      ++p;
    }
  }
  offset_ += bytes.size();
  return true;
}

}  // namespace quillmere::source::csv
