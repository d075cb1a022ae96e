#pragma once

#include <iconv.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace quillmere::source::xls {

// Turns the text of a BIFF record into UTF-8: 8-bit text in the workbook's code page (the
// CODEPAGE record; Windows-1252 when it is missing) and BIFF8's UTF-16. The code pages are
// those a CODEPAGE record can name; Windows-1252 is decoded by the table every reader shares,
// and Mac Roman, which Macintosh Excel wrote up to Excel 95, from Apple's own.
class XlsTextDecoder {
 public:
  static constexpr std::uint16_t kDefaultCodePage = 1252;

  explicit XlsTextDecoder(std::uint16_t codePage = kDefaultCodePage);

  std::uint16_t codePage() const { return codePage_; }

  // False for a code page this machine cannot decode: only plain ASCII text in it is read.
  bool known() const { return method_ != Method::Unknown; }

  // Appends 8-bit text in the code page; bytes the code page lacks become U+FFFD. Returns
  // false, appending nothing, when the code page is unknown and the bytes are not ASCII.
  [[nodiscard]] bool appendCodePage(std::string& out, std::string_view bytes) const;

  // BIFF8 text stored with the high bytes dropped: each byte is the code point.
  static void appendLatin1(std::string& out, std::string_view bytes);

  // UTF-16 code units; a lone surrogate becomes U+FFFD.
  static void appendUtf16(std::string& out, const std::u16string& units);

  // The same, read straight from little-endian bytes, two to a unit.
  static void appendUtf16Le(std::string& out, std::string_view bytes);

 private:
  enum class Method { Latin1, Windows1252, MacRoman, Iconv, Unknown };

  struct Close {
    void operator()(std::remove_pointer_t<iconv_t>* handle) const { iconv_close(handle); }
  };

  void appendIconv(std::string& out, std::string_view bytes) const;

  std::uint16_t codePage_;
  Method method_ = Method::Unknown;
  std::unique_ptr<std::remove_pointer_t<iconv_t>, Close> converter_;
};

}  // namespace quillmere::source::xls
