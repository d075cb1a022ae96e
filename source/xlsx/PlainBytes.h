#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillmere::source::xlsx {

// Searches for the first byte that ends a run of plain XML text or of a plain attribute
// value, sixteen bytes at a time where the processor allows: most runs in a workbook are
// long stretches of printable ASCII, and looking at each byte alone cost a quarter of a read.
// Plain is printable ASCII; text also takes tab and line feed and stops at < & ], a value
// stops at < & " ' and every control character. Both stop at DEL and at every byte of a
// UTF-8 sequence, which the caller checks on its own.
namespace plain {

inline bool textByte(unsigned char c) {
  return (c >= 0x20 && c < 0x7F && c != '<' && c != '&' && c != ']') || c == '\t' || c == '\n';
}

inline bool valueByte(unsigned char c) {
  return c >= 0x20 && c < 0x7F && c != '<' && c != '&' && c != '"' && c != '\'';
}

#if defined(__SSE2__)
// Bits set for the bytes below 0x20 or above 0x7E (signed, they are below 0x20 or negative).
inline int unprintable(__m128i bytes) {
  const __m128i low = _mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20));
  const __m128i del = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x7F));
  return _mm_movemask_epi8(_mm_or_si128(low, del));
}

inline int equal(__m128i bytes, char c) {
  return _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)));
}
#endif

// The first byte in [p, end) that is no plain text, or end.
inline const char* skipText(const char* p, const char* end) {
#if defined(__SSE2__)
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int stops = (unprintable(bytes) & ~(equal(bytes, '\t') | equal(bytes, '\n'))) |
                      equal(bytes, '<') | equal(bytes, '&') | equal(bytes, ']');
    if (stops != 0) return p + __builtin_ctz(static_cast<unsigned>(stops));
  }
#endif
  while (p < end && textByte(static_cast<unsigned char>(*p)))
    ++p;
  return p;
}

// The first byte in [p, end) that is no plain attribute value, or end.
inline const char* skipValue(const char* p, const char* end) {
#if defined(__SSE2__)
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int stops = unprintable(bytes) | equal(bytes, '<') | equal(bytes, '&') |
                      equal(bytes, '"') | equal(bytes, '\'');
    if (stops != 0) return p + __builtin_ctz(static_cast<unsigned>(stops));
  }
#endif
  while (p < end && valueByte(static_cast<unsigned char>(*p)))
    ++p;
  return p;
}

}  // namespace plain
}  // namespace quillmere::source::xlsx
