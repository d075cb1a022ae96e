#pragma once

#include <cstdint>
#include <string_view>

namespace quillmere::source::ods {

// The prefix of a qualified XML name ("calcext" of "calcext:value-type"); empty for none.
inline std::string_view prefixOf(const char* name) {
  const std::string_view qualified(name);
  const std::size_t colon = qualified.rfind(':');
  return colon == std::string_view::npos ? std::string_view() : qualified.substr(0, colon);
}

// A repeat count (table:number-rows-repeated, table:number-columns-repeated, text:c): at least
// 1, and held at a ceiling far past any grid so that adding counts cannot overflow.
inline std::uint64_t repeatCount(std::string_view text) {
  constexpr std::uint64_t kCeiling = std::uint64_t{1} << 40;
  std::uint64_t count = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 1;
    count = count * 10 + static_cast<std::uint64_t>(c - '0');
    if (count > kCeiling) count = kCeiling;
  }
  return count == 0 ? 1 : count;
}

}  // namespace quillmere::source::ods
