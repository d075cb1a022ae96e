#pragma once

#include <string>

namespace quillmere::core {

// What an errno value means for someone saving files, in words that say what to do about it.
std::string explainSystemError(int error);

}  // namespace quillmere::core
