#include "source/xls/XlsTextDecoder.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

#include "source/Unicode.h"

namespace quillmere::source::xls {

namespace {

// Mac OS Roman, bytes 0x80..0xFF, as Apple maps them (0xDB is the euro sign since Mac OS 8.5,
// 0xF0 the Apple logo in the private use area).
constexpr std::array<std::uint16_t, 128> kMacRomanHigh = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3,
    0x00E5, 0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3,
    0x00A7, 0x2022, 0x00B6, 0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA,
    0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D,
    0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, 0x00CB, 0x00C8, 0x00CD, 0x00CE,
    0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

// The iconv name of a code page a CODEPAGE record may carry; empty for any other number,
// which no spreadsheet program writes and whose meaning is therefore unknown.
std::string iconvName(std::uint16_t codePage) {
  switch (codePage) {
    case 367:
    case 20127:
      return "ASCII";
    case 437:
    case 720:
    case 737:
    case 775:
    case 850:
    case 852:
    case 855:
    case 857:
    case 858:
    case 860:
    case 861:
    case 862:
    case 863:
    case 864:
    case 865:
    case 866:
    case 869:
    case 874:
    case 932:  // Shift-JIS
    case 936:  // GBK
    case 949:  // Korean (Wansung)
    case 950:  // Big5
    case 1250:
    case 1251:
    case 1253:
    case 1254:
    case 1255:
    case 1256:
    case 1257:
    case 1258:
    case 1361:  // Korean (Johab)
      return "CP" + std::to_string(codePage);
    case 10007:
      return "MAC-CYRILLIC";
    case 10017:
      return "MACUKRAINIAN";
    case 10029:
      return "MAC-CENTRALEUROPE";
    case 10079:
      return "MAC-IS";
    case 28592:
    case 28593:
    case 28594:
    case 28595:
    case 28596:
    case 28597:
    case 28598:
    case 28599:
      return "ISO-8859-" + std::to_string(codePage - 28590);
    case 28605:
      return "ISO-8859-15";
    case 65001:
      return "UTF-8";
    default:
      return {};
  }
}

bool isAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

XlsTextDecoder::XlsTextDecoder(std::uint16_t codePage) : codePage_(codePage) {
  switch (codePage) {
    // 1200 (UTF-16) has no 8-bit form; its 8-bit strings are UTF-16 with the high bytes
    // dropped. Some writers put 21010 where they mean 1200.
    case 1200:
    case 21010:
    case 28591:
      method_ = Method::Latin1;
      return;
    case 1252:
    case 32769:  // the Windows code page of BIFF2-4
      method_ = Method::Windows1252;
      return;
    case 10000:
    case 32768:  // the Apple code page of BIFF2-4
      method_ = Method::MacRoman;
      return;
    default:
      break;
  }
  const std::string name = iconvName(codePage);
  if (name.empty()) return;
  iconv_t handle = iconv_open("UTF-8", name.c_str());
  // A machine without the conversion reads the code page like an unknown one.
  if (handle == reinterpret_cast<iconv_t>(-1)) return;
  converter_.reset(handle);
  method_ = Method::Iconv;
}

bool XlsTextDecoder::appendCodePage(std::string& out, std::string_view bytes) const {
  if (isAscii(bytes)) {
    out += bytes;
    return true;
  }
  switch (method_) {
    case Method::Latin1:
      appendLatin1(out, bytes);
      return true;
    case Method::Windows1252:
      // The five bytes the code page leaves undefined become U+FFFD, as bytes any other code
      // page lacks do.
      for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        appendUtf8(out, definedInWindows1252(b) ? windows1252CodePoint(b) : kReplacementCharacter);
      }
      return true;
    case Method::MacRoman:
      for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        appendUtf8(out, b < 0x80 ? b : kMacRomanHigh[b - 0x80]);
      }
      return true;
    case Method::Iconv:
      appendIconv(out, bytes);
      return true;
    case Method::Unknown:
      break;
  }
  return false;
}

void XlsTextDecoder::appendIconv(std::string& out, std::string_view bytes) const {
  // The code pages read here keep no shift state, so no reset is needed between calls.
  std::string input(bytes);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(converter_.get(), &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // EILSEQ or EINVAL: a byte (or an unfinished sequence) the code page does not map.
      appendUtf8(out, kReplacementCharacter);
      ++in;
      --inLeft;
    }
  }
}

void XlsTextDecoder::appendLatin1(std::string& out, std::string_view bytes) {
  // Mostly ASCII, which is UTF-8 as it stands: appended a run at a time.
  while (!bytes.empty()) {
    std::size_t ascii = 0;
    // Eight bytes at a time while none has its high bit set.
    for (std::uint64_t word = 0; bytes.size() - ascii >= 8; ascii += 8) {
      std::memcpy(&word, bytes.data() + ascii, 8);
      if ((word & 0x8080808080808080u) != 0) break;
    }
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80)
      ++ascii;
    out.append(bytes.data(), ascii);
    bytes.remove_prefix(ascii);
    if (bytes.empty()) break;
    appendUtf8(out, static_cast<unsigned char>(bytes.front()));
    bytes.remove_prefix(1);
  }
}

namespace {

// UTF-16 code units from any source of them, `count` in all.
template <typename UnitAt>
void appendUnits(std::string& out, std::size_t count, UnitAt unitAt) {
  for (std::size_t i = 0; i < count; ++i) {
    const char32_t unit = unitAt(i);
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (isHighSurrogate(unit) && i + 1 < count && isLowSurrogate(unitAt(i + 1))) {
      appendUtf8(out, pairSurrogates(unit, unitAt(i + 1)));
      ++i;
    } else if (isSurrogate(unit)) {
      appendUtf8(out, kReplacementCharacter);
    } else {
      appendUtf8(out, unit);
    }
  }
}

}  // namespace

void XlsTextDecoder::appendUtf16(std::string& out, const std::u16string& units) {
  appendUnits(out, units.size(), [&units](std::size_t i) { return char32_t{units[i]}; });
}

void XlsTextDecoder::appendUtf16Le(std::string& out, std::string_view bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  appendUnits(out, bytes.size() / 2,
              [b](std::size_t i) { return char32_t{b[2 * i]} | char32_t{b[2 * i + 1]} << 8; });
}

}  // namespace quillmere::source::xls
