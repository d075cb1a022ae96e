#include "core/VCardText.h"

#include <algorithm>

namespace quillmere::core {

namespace {

constexpr std::string_view kQuotedPrintableParams = ";CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE";

bool needsQuotedPrintable(std::string_view escaped) {
  return std::any_of(escaped.begin(), escaped.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || c == '\r' || c == '\n';
  });
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

VCardDialect dialectOf(std::string_view version) {
  return version == "2.1" ? VCardDialect::V21 : VCardDialect::V30;
}

void appendEscaped(std::string& out, std::string_view value, VCardDialect dialect) {
  const std::string_view lineBreak = dialect == VCardDialect::V21 ? "\r\n" : "\\n";
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    switch (c) {
      case '\\':
      case ',':
      case ';':
        out += '\\';
        out += c;
        break;
      case '\r':
        if (i + 1 < value.size() && value[i + 1] == '\n') ++i;
        out += lineBreak;
        break;
      case '\n':
        out += lineBreak;
        break;
      default:
        out += c;
    }
  }
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

}  // namespace quillmere::core
