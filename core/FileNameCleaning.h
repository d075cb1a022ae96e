#pragma once

#include <string>
#include <string_view>

namespace quillmere::core {

// Makes a file-name stem: each of 18 characters unsafe or awkward in file names is replaced
// ("&" by " and ", ":" by "-", the rest by a space); everything else passes unchanged.
// Works on UTF-8: all 18 are ASCII, which never occurs inside a multi-byte sequence.
std::string strClean(std::string_view text);

}  // namespace quillmere::core
