#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string_view>

namespace quillmere::core {

// The vCard versions Quillmere writes and reads back.
enum class VCardVersion : std::uint8_t { V21, V30, V40 };

// "2.1", "3.0" or "4.0" as a version; anything else is none.
std::optional<VCardVersion> parseVCardVersion(std::string_view text);

// The version as its VERSION line spells it.
std::string_view versionText(VCardVersion version);
std::ostream& operator<<(std::ostream& out, VCardVersion version);

}  // namespace quillmere::core
