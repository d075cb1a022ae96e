#include "source/ods/OdsElements.h"

#include <cstring>

#include "source/ods/OdsNames.h"
#include "source/xlsx/PlainBytes.h"
#include "source/xlsx/XmlByteClasses.h"

namespace quillmere::source::ods {

namespace {

using namespace std::string_view_literals;

bool startsWith(const char* p, const char* end, std::string_view prefix) {
  const std::size_t size = prefix.size();
  if (static_cast<std::size_t>(end - p) < size) return false;
#if defined(__SSE2__)
  // The tags compared at every cell are longer than memcmp inlines: sixteen bytes at a time,
  // one test at the end, and no call.
  if (size >= 16) {
    const auto same = [&](std::size_t at) {
      return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at)),
                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(prefix.data() + at)));
    };
    __m128i all = same(size - 16);
    for (std::size_t at = 0; at + 16 < size; at += 16)
      all = _mm_and_si128(all, same(at));
    return _mm_movemask_epi8(all) == 0xFFFF;
  }
#endif
  return std::memcmp(p, prefix.data(), size) == 0;
}

bool typeOf(std::string_view text, OdsCellElement::Type& type) {
  using Type = OdsCellElement::Type;
  if (text == "string"sv) {
    type = Type::String;
  } else if (text == "float"sv) {
    type = Type::Float;
  } else if (text == "percentage"sv) {
    type = Type::Percentage;
  } else if (text == "currency"sv) {
    type = Type::Currency;
  } else {
    return false;
  }
  return true;
}

constexpr std::string_view kParagraph = "<text:p>", kParagraphEnd = "</text:p>",
                           kEmptyParagraph = "<text:p/>";

// The bytes of the UTF-8 character at `p` when XML allows it; 0 when it is none, or cut short.
std::size_t utf8Character(const char* p, const char* end) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  const auto available = static_cast<std::size_t>(end - p);
  std::uint32_t c = 0;
  std::size_t length = 0;
  if (u[0] >= 0xC2 && u[0] <= 0xDF) {
    length = 2;
    c = u[0] & 0x1Fu;
  } else if (u[0] >= 0xE0 && u[0] <= 0xEF) {
    length = 3;
    c = u[0] & 0x0Fu;
  } else if (u[0] >= 0xF0 && u[0] <= 0xF4) {
    length = 4;
    c = u[0] & 0x07u;
  } else {
    return 0;
  }
  if (available < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((u[i] & 0xC0u) != 0x80u) return 0;
    c = c << 6 | (u[i] & 0x3Fu);
  }
  // Overlong forms, surrogates and U+FFFE and U+FFFF are no characters of XML.
  const std::uint32_t least = length == 3 ? 0x800u : length == 4 ? 0x10000u : 0x80u;
  if (c < least || c > 0x10FFFF || !xlsx::xmlbytes::isXmlChar(c)) return 0;
  return length;
}

// The first byte in [p, end) that is no text of a paragraph, UTF-8 checked as the scanner
// checks it. `loose` is set when some of its white space collapses (a tab or line feed, a space
// at its start or after another), which the same pass tells for next to nothing.
const char* skipParagraphText(const char* p, const char* end, bool& loose) {
  unsigned afterSpace = 1;  // a paragraph's start counts as white space
  for (;;) {
#if defined(__SSE2__)
    for (; end - p >= 16; p += 16) {
      using namespace xlsx::plain;
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const auto spaces = static_cast<unsigned>(equal(bytes, ' '));
      const auto breaks = static_cast<unsigned>(equal(bytes, '\t') | equal(bytes, '\n'));
      const auto stops =
          (static_cast<unsigned>(unprintable(bytes)) & ~breaks) |
          static_cast<unsigned>(equal(bytes, '<') | equal(bytes, '&') | equal(bytes, ']'));
      const unsigned text = stops == 0 ? 0xFFFFu : (1u << __builtin_ctz(stops)) - 1;
      if (((breaks | (spaces & (spaces << 1 | afterSpace))) & text) != 0) loose = true;
      if (stops != 0) {
        p += __builtin_ctz(stops);
        break;
      }
      afterSpace = spaces >> 15;
    }
#endif
    for (; p < end && xlsx::plain::textByte(static_cast<unsigned char>(*p)); ++p) {
      const bool space = *p == ' ';
      if (*p == '\t' || *p == '\n' || (space && afterSpace != 0)) loose = true;
      afterSpace = space ? 1 : 0;
    }
    if (p == end || static_cast<unsigned char>(*p) < 0x80) return p;
    const std::size_t length = utf8Character(p, end);
    if (length == 0) return p;
    p += length;
    afterSpace = 0;
  }
}

}  // namespace

std::string_view nextParagraph(std::string_view& paragraphs) {
  if (paragraphs.substr(0, kEmptyParagraph.size()) == kEmptyParagraph) {
    paragraphs.remove_prefix(kEmptyParagraph.size());
    return {};
  }
  paragraphs.remove_prefix(kParagraph.size());
  const std::size_t length = paragraphs.find('<');
  const std::string_view text = paragraphs.substr(0, length);
  paragraphs.remove_prefix(length + kParagraphEnd.size());
  return text;
}

namespace {

// Fills `cell` in place: returning the element whole from several places made the compiler
// build it on the stack and copy it out, which stalled on every cell.
bool readInto(const char* begin, const char* end, OdsCellElement& cell) {
  constexpr std::string_view kOpen = "<table:table-cell", kClose = "</table:table-cell>";
  // LibreOffice's string cell, nearly every cell of a contact list, compared whole.
  constexpr std::string_view kStringCell =
      "<table:table-cell office:value-type=\"string\" calcext:value-type=\"string\"><text:p>";
  if (startsWith(begin, end, kStringCell)) {
    const char* const text = begin + kStringCell.size();
    bool loose = false;
    const char* const stop = skipParagraphText(text, end, loose);
    constexpr std::string_view kEnd = "</text:p></table:table-cell>";
    if (startsWith(stop, end, kEnd)) {
      cell.type = OdsCellElement::Type::String;
      cell.asWritten = !loose;
      cell.text = std::string_view(text, static_cast<std::size_t>(stop - text));
      const char* const paragraphs = text - kParagraph.size();
      cell.paragraphs = std::string_view(
          paragraphs, static_cast<std::size_t>(stop + kParagraphEnd.size() - paragraphs));
      cell.bytes = static_cast<std::size_t>(stop + kEnd.size() - begin);
      return true;
    }
  }
  if (!startsWith(begin, end, kOpen)) return false;
  const char* p = begin + kOpen.size();
  // Each attribute once, as the scanner would insist.
  enum : unsigned { kStyle = 1, kRepeat = 2, kType = 4, kExtType = 8, kValue = 16 };
  unsigned seen = 0;
  std::string_view extType;
  while (p < end && *p == ' ') {
    ++p;
    const char* const name = p;
    while (p < end && *p != '=' && *p != ' ' && *p != '>' && *p != '/')
      ++p;
    if (end - p < 2 || p[0] != '=' || p[1] != '"') return false;
    const std::string_view attribute(name, static_cast<std::size_t>(p - name));
    const char* const valueBegin = p + 2;
    const char* const valueEnd = xlsx::plain::skipValue(valueBegin, end);
    if (valueEnd == end || *valueEnd != '"') return false;
    const std::string_view value(valueBegin, static_cast<std::size_t>(valueEnd - valueBegin));
    p = valueEnd + 1;
    unsigned bit = 0;
    if (attribute == "table:style-name"sv) {
      bit = kStyle;
    } else if (attribute == "table:number-columns-repeated"sv) {
      bit = kRepeat;
      cell.repeat = repeatCount(value);
    } else if (attribute == "office:value-type"sv) {
      bit = kType;
      if (!typeOf(value, cell.type)) return false;
    } else if (attribute == "calcext:value-type"sv) {
      bit = kExtType;
      extType = value;
    } else if (attribute == "office:value"sv) {
      bit = kValue;
      cell.value = value;
    } else {
      return false;
    }
    if ((seen & bit) != 0) return false;
    seen |= bit;
  }
  // LibreOffice's own type, when written, must agree: it alone marks an error value.
  if ((seen & kExtType) != 0) {
    OdsCellElement::Type ext;
    if (!typeOf(extType, ext) || ext != cell.type) return false;
  }
  if (startsWith(p, end, "/>")) {
    cell.bytes = static_cast<std::size_t>(p + 2 - begin);
    cell.asWritten = true;
    return true;
  }
  if (p == end || *p != '>') return false;
  ++p;
  const char* const paragraphs = p;
  std::size_t count = 0;
  bool loose = false;
  for (;; ++count) {
    if (startsWith(p, end, kEmptyParagraph)) {
      p += kEmptyParagraph.size();
    } else if (startsWith(p, end, kParagraph)) {
      const char* const text = p + kParagraph.size();
      const char* const stop = skipParagraphText(text, end, loose);
      if (!startsWith(stop, end, kParagraphEnd)) return false;
      cell.text = std::string_view(text, static_cast<std::size_t>(stop - text));
      p = stop + kParagraphEnd.size();
    } else {
      break;
    }
  }
  cell.paragraphs = std::string_view(paragraphs, static_cast<std::size_t>(p - paragraphs));
  cell.asWritten = count <= 1 && !loose;
  if (!startsWith(p, end, kClose)) return false;
  cell.bytes = static_cast<std::size_t>(p + kClose.size() - begin);
  return true;
}

}  // namespace

OdsCellElement readCellElement(const char* begin, const char* end) {
  OdsCellElement cell;
  if (!readInto(begin, end, cell)) cell.bytes = 0;
  return cell;
}

OdsRowStart readRowStart(const char* begin, const char* end) {
  constexpr std::string_view kOpen = "<table:table-row";
  if (!startsWith(begin, end, kOpen)) return {};
  const char* p = begin + kOpen.size();
  OdsRowStart row;
  // Each attribute once, as the scanner would insist.
  bool style = false, repeat = false;
  while (p < end && *p == ' ') {
    ++p;
    const char* const name = p;
    while (p < end && *p != '=' && *p != ' ' && *p != '>' && *p != '/')
      ++p;
    if (end - p < 2 || p[0] != '=' || p[1] != '"') return {};
    const std::string_view attribute(name, static_cast<std::size_t>(p - name));
    const char* const valueBegin = p + 2;
    const char* const valueEnd = xlsx::plain::skipValue(valueBegin, end);
    if (valueEnd == end || *valueEnd != '"') return {};
    p = valueEnd + 1;
    bool* seen = nullptr;
    if (attribute == "table:style-name"sv) {
      seen = &style;
    } else if (attribute == "table:number-rows-repeated"sv) {
      seen = &repeat;
      row.repeat = repeatCount(
          std::string_view(valueBegin, static_cast<std::size_t>(valueEnd - valueBegin)));
    } else {
      return {};
    }
    if (*seen) return {};
    *seen = true;
  }
  if (p == end || *p != '>') return {};
  row.bytes = static_cast<std::size_t>(p + 1 - begin);
  return row;
}

std::size_t rowElementBytes(const char* begin, const char* end) {
  constexpr std::string_view kOpen = "<table:table-row", kClose = "</table:table-row>";
  if (!startsWith(begin, end, kOpen)) return 0;
  const char* p = begin + kOpen.size();
  if (p == end || (*p != ' ' && *p != '>' && *p != '/')) return 0;
  // The start tag's end, passing over quoted values, which may hold '>'.
  char quote = 0;
  for (; p < end; ++p) {
    if (quote != 0) {
      if (*p == quote) quote = 0;
    } else if (*p == '"' || *p == '\'') {
      quote = *p;
    } else if (*p == '>') {
      break;
    }
  }
  if (p == end) return 0;
  if (p[-1] == '/') return static_cast<std::size_t>(p + 1 - begin);
  for (++p;;) {
    p = static_cast<const char*>(std::memchr(p, '<', static_cast<std::size_t>(end - p)));
    if (p == nullptr || end - p < 2) return 0;
    if (p[1] == '!' || p[1] == '?') return 0;
    if (startsWith(p, end, kClose)) return static_cast<std::size_t>(p + kClose.size() - begin);
    if (startsWith(p, end, kOpen)) return 0;
    ++p;
  }
}

}  // namespace quillmere::source::ods
