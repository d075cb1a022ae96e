#include "source/numfmt/SectionSplitter.h"

#include <cstddef>

namespace quillmere::source::numfmt {

std::optional<SectionTexts> splitSections(std::string_view code) {
  SectionTexts result;
  std::size_t start = 0;
  std::size_t i = 0;
  const auto close = [&](std::size_t end) {
    if (result.count == static_cast<int>(result.parts.size())) return false;
    result.parts[static_cast<std::size_t>(result.count++)] = code.substr(start, end - start);
    return true;
  };
  while (i < code.size()) {
    const char c = code[i];
    if (c == '"' || c == '[') {
      const std::size_t end = code.find(c == '"' ? '"' : ']', i + 1);
      if (end == std::string_view::npos) return std::nullopt;
      i = end + 1;
    } else if (c == '\\' || c == '_' || c == '*') {
      // The escaped character may itself be ';'; a multi-byte one ends with bytes above 0x7F.
      i += 2;
    } else if (c == ';') {
      if (!close(i)) return std::nullopt;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (!close(code.size())) return std::nullopt;
  return result;
}

}  // namespace quillmere::source::numfmt
