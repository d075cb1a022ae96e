#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quillmere::tools {

// The candidate a mistyped word most likely meant: the nearest by edit distance, ignoring case,
// when at most a third of the word is wrong; else the first that begins with the word. None
// when nothing is that close.
std::optional<std::string_view> closestName(std::string_view word,
                                            std::span<const std::string_view> candidates);

}  // namespace quillmere::tools
