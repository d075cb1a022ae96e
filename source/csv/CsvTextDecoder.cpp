#include "source/csv/CsvTextDecoder.h"

#include <array>

namespace quillmere::source::csv {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five it leaves undefined keep their C1 code points.
constexpr std::array<std::uint16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char* appendUtf8(std::uint32_t cp, char* out) {
  if (cp < 0x80) {
    *out++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *out++ = static_cast<char>(0xC0 | (cp >> 6));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (cp >> 12));
    *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (cp >> 18));
    *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

char* appendWindows1252(unsigned char b, char* out) {
  if (b < 0x80) {
    *out = static_cast<char>(b);
    return out + 1;
  }
  return appendUtf8(b < 0xA0 ? kWindows1252High[b - 0x80] : b, out);
}

CsvTextDecoder::Fault CsvTextDecoder::unit(std::uint16_t u, char*& out) {
  if (highSurrogate_ != 0) {
    if (u < 0xDC00 || u > 0xDFFF) return Fault::LoneSurrogate;
    const std::uint32_t cp =
        0x10000 + ((std::uint32_t{highSurrogate_} - 0xD800) << 10) + (std::uint32_t{u} - 0xDC00);
    highSurrogate_ = 0;
    out = appendUtf8(cp, out);
    return Fault::None;
  }
  if (u >= 0xD800 && u <= 0xDBFF) {
    highSurrogate_ = u;
    return Fault::None;
  }
  if (u >= 0xDC00 && u <= 0xDFFF) return Fault::LoneSurrogate;
  if (u == 0) return Fault::Nul;
  out = appendUtf8(u, out);
  return Fault::None;
}

std::size_t CsvTextDecoder::decode(std::string_view in, char* const out, Fault& fault) {
  fault = Fault::None;
  char* o = out;
  const bool little = encoding_ == TextEncoding::Utf16Le;
  for (const char c : in) {
    const auto b = static_cast<unsigned char>(c);
    if (!haveByte_) {
      firstByte_ = b;
      haveByte_ = true;
      continue;
    }
    haveByte_ = false;
    const auto u =
        static_cast<std::uint16_t>(little ? (b << 8 | firstByte_) : (firstByte_ << 8 | b));
    fault = unit(u, o);
    if (fault != Fault::None) break;
  }
  return static_cast<std::size_t>(o - out);
}

}  // namespace quillmere::source::csv
