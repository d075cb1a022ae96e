#include "source/csv/AsciiText.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillmere::source::csv {

const unsigned char* skipAsciiText(const unsigned char* p, const unsigned char* const end) {
#if defined(__SSE2__)
  // Sixty-four bytes at a time: a byte above 0x7F sets a sign bit of the OR, a NUL makes
  // the unsigned minimum zero.
  const __m128i zero = _mm_setzero_si128();
  while (end - p >= 64) {
    const auto* block = reinterpret_cast<const __m128i*>(p);
    const __m128i a = _mm_loadu_si128(block), b = _mm_loadu_si128(block + 1);
    const __m128i c = _mm_loadu_si128(block + 2), d = _mm_loadu_si128(block + 3);
    const __m128i any = _mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d));
    const __m128i least = _mm_min_epu8(_mm_min_epu8(a, b), _mm_min_epu8(c, d));
    if ((_mm_movemask_epi8(any) | _mm_movemask_epi8(_mm_cmpeq_epi8(least, zero))) != 0) break;
    p += 64;
  }
  while (end - p >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int mask = _mm_movemask_epi8(block) | _mm_movemask_epi8(_mm_cmpeq_epi8(block, zero));
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  while (p < end && *p < 0x80 && *p != 0)
    ++p;
  return p;
}

const unsigned char* skipAsciiTextInLine(const unsigned char* p, const unsigned char* const end) {
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  while (end - p >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i stops =
        _mm_or_si128(_mm_cmpeq_epi8(block, zero),
                     _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
    const int mask = _mm_movemask_epi8(block) | _mm_movemask_epi8(stops);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  while (p < end && *p < 0x80 && *p != 0 && *p != '\r' && *p != '\n')
    ++p;
  return p;
}

const char* findLineBreak(const char* p, const char* const end) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  while (end - p >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int mask =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  while (p < end && *p != '\r' && *p != '\n')
    ++p;
  return p;
}

}  // namespace quillmere::source::csv
