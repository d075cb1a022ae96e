#pragma once

#include <iconv.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace quillmere::source::xls {

// Turns the text of a BIFF record into UTF-8: 8-bit text in the workbook's code page (the
// CODEPAGE record; Windows-1252 when it is missing) and BIFF8's UTF-16.
class TextDecoder {
 public:
  static constexpr std::uint16_t kDefaultCodePage = 1252;

  explicit TextDecoder(std::uint16_t codePage = kDefaultCodePage);

  std::uint16_t codePage() const { return codePage_; }

  // 8-bit text in the code page; bytes the code page lacks become U+FFFD.
  void appendCodePage(std::string& out, std::string_view bytes) const;

  // BIFF8 text stored with the high bytes dropped: each byte is the code point.
  static void appendLatin1(std::string& out, std::string_view bytes);

  // UTF-16 code units; a lone surrogate becomes U+FFFD.
  static void appendUtf16(std::string& out, const std::u16string& units);

  static void appendCodePoint(std::string& out, char32_t codePoint);

 private:
  struct Close {
    void operator()(std::remove_pointer_t<iconv_t>* handle) const { iconv_close(handle); }
  };

  std::uint16_t codePage_;
  bool latin1_ = false;
  std::unique_ptr<std::remove_pointer_t<iconv_t>, Close> converter_;
};

}  // namespace quillmere::source::xls
