#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmere::core {

// Bytes as base64 with "=" padding and no line breaks, as a card's photo holds them.
void appendBase64(std::string& out, std::string_view bytes);

// The bytes of base64 text; white space is skipped, anything else outside the alphabet gives
// none.
std::optional<std::string> decodeBase64(std::string_view text);

}  // namespace quillmere::core
