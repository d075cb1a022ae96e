#include "core/VCardText.h"

#include <algorithm>
#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillmere::core {

namespace {

constexpr std::string_view kQuotedPrintableParams = ";CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE";

bool needsQuotedPrintable(std::string_view escaped) {
  return std::any_of(escaped.begin(), escaped.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || c == '\r' || c == '\n';
  });
}

// Bytes that need work; the rest is copied in runs, which is most of every value.
constexpr auto kSpecial = [] {
  std::array<bool, 256> special{};
  for (const unsigned char c : {'\\', ',', ';', '\r', '\n'})
    special[c] = true;
  return special;
}();

#if defined(__SSE2__)
// Sixteen bytes from `p`, some of them past the value's end: a load cannot fault within one
// page, and the caller masks off what lies past the end. The sanitizers would count those
// bytes as read, so they look away here.
__attribute__((no_sanitize("address", "thread"))) __m128i loadWithinPage(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

bool sixteenWithinPage(const char* p) {
  constexpr std::uintptr_t kPage = 4096;  // the smallest page there is
  return (reinterpret_cast<std::uintptr_t>(p) & (kPage - 1)) <= kPage - 16;
}
#endif

// The first byte at or after `at` that needs escaping, or the value's end; sixteen bytes at a
// time where the processor allows, since escaping was a quarter of a conversion's work.
std::size_t nextSpecial(std::string_view value, std::size_t at) {
#if defined(__SSE2__)
  const auto specials = [](__m128i bytes) {
    const auto is = [&](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
        _mm_or_si128(_mm_or_si128(is('\\'), is(',')), _mm_or_si128(is(';'), is('\r'))), is('\n'))));
  };
  for (; value.size() - at >= 16; at += 16) {
    const unsigned found =
        specials(_mm_loadu_si128(reinterpret_cast<const __m128i*>(value.data() + at)));
    if (found != 0) return at + static_cast<std::size_t>(__builtin_ctz(found));
  }
  // Most values are names and numbers shorter than sixteen bytes: their rest in one load.
  const std::size_t left = value.size() - at;
  if (left == 0) return at;
  if (sixteenWithinPage(value.data() + at)) {
    const unsigned found = specials(loadWithinPage(value.data() + at)) & ((1u << left) - 1);
    return found != 0 ? at + static_cast<std::size_t>(__builtin_ctz(found)) : value.size();
  }
  // At a page's end, byte by byte.
#endif
  while (at < value.size() && !kSpecial[static_cast<unsigned char>(value[at])])
    ++at;
  return at;
}

// No soft line breaks: several readers join them wrongly, so the value stays on one line.
void appendQuotedPrintable(std::string& out, std::string_view escaped) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : escaped) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || c == '=' || c == '\r' || c == '\n') {
      out += '=';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
}

}  // namespace

VCardDialect dialectOf(VCardVersion version) {
  return version == VCardVersion::V21 ? VCardDialect::V21 : VCardDialect::V30;
}

void appendEscaped(std::string& out, std::string_view value, VCardDialect dialect, ValueKind kind) {
  const std::string_view lineBreak = dialect == VCardDialect::V21 ? "\r\n" : "\\n";
  const bool textEscapes = dialect == VCardDialect::V30 && kind != ValueKind::Uri;
  const bool semicolonEscape = textEscapes || kind == ValueKind::Component;
  std::size_t run = 0;
  for (std::size_t i = nextSpecial(value, 0); i < value.size(); i = nextSpecial(value, run)) {
    out.append(value.data() + run, i - run);
    const char c = value[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
      out += lineBreak;
    } else if (c == ';' ? semicolonEscape : textEscapes) {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
    run = i + 1;
  }
  out.append(value.data() + run, value.size() - run);
}

void appendProperty(std::string& out, std::string_view nameAndTypes, std::string_view escaped,
                    VCardDialect dialect) {
  out += nameAndTypes;
  if (dialect == VCardDialect::V21 && needsQuotedPrintable(escaped)) {
    out += kQuotedPrintableParams;
    out += ':';
    appendQuotedPrintable(out, escaped);
  } else {
    out += ':';
    out += escaped;
  }
}

// The 4.0 parameter value of a formatted address, quoted; RFC 6868 spells the line breaks,
// double quotes and carets a parameter cannot hold.
void appendLabelParameter(std::string& out, std::string_view label) {
  out += ";LABEL=\"";
  for (std::size_t i = 0; i < label.size(); ++i) {
    const char c = label[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < label.size() && label[i + 1] == '\n') ++i;
      out += "^n";
    } else if (c == '"') {
      out += "^'";
    } else if (c == '^') {
      out += "^^";
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace quillmere::core
