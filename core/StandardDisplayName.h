#pragma once

#include <string>
#include <string_view>

#include "core/ContactValues.h"

namespace quillmere::core {

// The display name in the standard forms, never empty where the row has anything to call the
// contact by: the full name, the names, the company, the first e-mail, the first phone. The
// view is into `values` or into `scratch`, which the names are joined in.
std::string_view standardDisplayName(const ContactValues& values, std::string& scratch);

}  // namespace quillmere::core
