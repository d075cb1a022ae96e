#include "core/VCardValueRules.h"

#include <algorithm>

namespace quillmere::core {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
           return lower(x) == lower(y);
         });
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool decodeQuotedPrintable(std::string_view value, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '=') {
      out += value[i];
      continue;
    }
    if (i + 2 >= value.size()) return false;
    const int high = hexDigit(value[i + 1]);
    const int low = hexDigit(value[i + 2]);
    if (high < 0 || low < 0) return false;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return true;
}

ValueShape shapeOf(std::string_view name) {
  if (name == "N" || name == "ADR" || name == "ORG") return ValueShape::Structured;
  if (name == "CATEGORIES") return ValueShape::List;
  if (name == "URL" || name == "PHOTO") return ValueShape::Uri;
  return ValueShape::Text;
}

}  // namespace quillmere::core
