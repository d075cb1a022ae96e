#include "core/FileNameCleaning.h"

namespace quillmere::core {

std::string strClean(std::string_view text) {
  std::string cleaned;
  cleaned.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        cleaned += " and ";
        break;
      case ':':
        cleaned += '-';
        break;
      case '?':
      case '/':
      case '\\':
      case '*':
      case '"':
      case '<':
      case '>':
      case ',':
      case '#':
      case '~':
      case '%':
      case '{':
      case '}':
      case '+':
      case '_':
      case '.':
        cleaned += ' ';
        break;
      default:
        cleaned += c;
    }
  }
  return cleaned;
}

}  // namespace quillmere::core
