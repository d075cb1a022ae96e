#include "source/xls/TextDecoder.h"

#include <cerrno>
#include <string>

namespace quillmere::source::xls {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// iconv names for the code pages whose name is not simply "CP<number>".
std::string iconvName(std::uint16_t codePage) {
  switch (codePage) {
    case 367:
      return "ASCII";
    case 10000:
    case 32768:  // the Apple code page of BIFF2-4
      return "MACINTOSH";
    case 10007:
      return "MAC-CYRILLIC";
    case 10029:
      return "MAC-CENTRALEUROPE";
    case 10079:
      return "MAC-IS";
    case 32769:  // the Windows code page of BIFF2-4
      return "CP1252";
    default:
      return "CP" + std::to_string(codePage);
  }
}

bool isAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

TextDecoder::TextDecoder(std::uint16_t codePage) : codePage_(codePage) {
  // 1200 (UTF-16) has no 8-bit form; its 8-bit strings are UTF-16 with the high bytes dropped.
  if (codePage == 1200 || codePage == 28591) {
    latin1_ = true;
    return;
  }
  iconv_t handle = iconv_open("UTF-8", iconvName(codePage).c_str());
  if (handle == reinterpret_cast<iconv_t>(-1)) {
    // An unknown code page: Windows-1252 is what the files without one use.
    codePage_ = kDefaultCodePage;
    handle = iconv_open("UTF-8", "CP1252");
  }
  if (handle == reinterpret_cast<iconv_t>(-1)) {
    latin1_ = true;
    return;
  }
  converter_.reset(handle);
}

void TextDecoder::appendCodePage(std::string& out, std::string_view bytes) const {
  if (isAscii(bytes)) {
    out += bytes;
    return;
  }
  if (latin1_ || !converter_) {
    appendLatin1(out, bytes);
    return;
  }
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
      appendCodePoint(out, kReplacement);
      ++in;
      --inLeft;
    }
  }
}

void TextDecoder::appendLatin1(std::string& out, std::string_view bytes) {
  for (const char c : bytes)
    appendCodePoint(out, static_cast<unsigned char>(c));
}

void TextDecoder::appendUtf16(std::string& out, const std::u16string& units) {
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      appendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit < 0xE000) {
      appendCodePoint(out, kReplacement);
    } else {
      appendCodePoint(out, unit);
    }
  }
}

void TextDecoder::appendCodePoint(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace quillmere::source::xls
