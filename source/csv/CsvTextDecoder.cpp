#include "source/csv/CsvTextDecoder.h"

#include "source/Unicode.h"

namespace quillmere::source::csv {

CsvTextDecoder::Fault CsvTextDecoder::unit(std::uint16_t u, char*& out) {
  if (highSurrogate_ != 0) {
    if (!isLowSurrogate(u)) return Fault::LoneSurrogate;
    out += putUtf8(out, pairSurrogates(highSurrogate_, u));
    highSurrogate_ = 0;
    return Fault::None;
  }
  if (isHighSurrogate(u)) {
    highSurrogate_ = u;
    return Fault::None;
  }
  if (isLowSurrogate(u)) return Fault::LoneSurrogate;
  if (u == 0) return Fault::Nul;
  out += putUtf8(out, u);
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
