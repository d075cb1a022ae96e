#pragma once

#include <cstddef>
#include <string>

#include "core/VCardText.h"

namespace quillmere::core {

// The longest line a version allows before it must be folded, in octets.
inline constexpr std::size_t kFoldOctets = 75;

// Folds the line that begins at `lineStart` of `out` and runs to its end, as its version
// folds: 3.0 and 4.0 break anywhere but inside a UTF-8 character and begin each further line
// with a space; 2.1 breaks a quoted-printable value with soft line breaks ("=" at a line's
// end, never inside an "=XX"), and other values only before a space, which 2.1 keeps.
void foldLine(std::string& out, std::size_t lineStart, VCardDialect dialect);

}  // namespace quillmere::core
