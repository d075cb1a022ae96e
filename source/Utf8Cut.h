#pragma once

#include <cstddef>
#include <string_view>

namespace quillmere::source {

// The longest start of UTF-8 text that fits in `limit` bytes and ends between characters.
inline std::string_view cutBetweenCharacters(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
    --end;
  return text.substr(0, end);
}

}  // namespace quillmere::source
