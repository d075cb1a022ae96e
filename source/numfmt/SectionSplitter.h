#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmere::source::numfmt {

struct SectionTexts {
  std::array<std::string_view, 4> parts;
  int count = 0;
};

// Splits a format code at the ';' that end its sections; a ';' inside quotes, brackets or
// after '\', '_' or '*' belongs to the section. Nothing when the code has more than four
// sections or leaves a quote or bracket open.
std::optional<SectionTexts> splitSections(std::string_view code);

}  // namespace quillmere::source::numfmt
