#include "core/VCardVersion.h"

#include <array>
#include <ostream>

namespace quillmere::core {

namespace {

constexpr std::array<std::string_view, 3> kVersionTexts{"2.1", "3.0", "4.0"};

}  // namespace

std::optional<VCardVersion> parseVCardVersion(std::string_view text) {
  for (std::size_t i = 0; i < kVersionTexts.size(); ++i) {
    if (text == kVersionTexts[i]) return static_cast<VCardVersion>(i);
  }
  return std::nullopt;
}

std::string_view versionText(VCardVersion version) {
  return kVersionTexts[static_cast<std::size_t>(version)];
}

std::ostream& operator<<(std::ostream& out, VCardVersion version) {
  return out << versionText(version);
}

}  // namespace quillmere::core
