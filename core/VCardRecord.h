#pragma once

#include <string>
#include <string_view>

#include "core/ContactValues.h"

namespace quillmere::core {

// The text of one vCard record for the given version ("2.1", "3.0" or "4.0"): lines joined
// by CR LF, from "BEGIN:VCARD" to "END:VCARD", with no line break before or after.
std::string buildRecord(const ContactValues& values, std::string_view version);

// The same record appended to `out`, for loops that reuse one buffer.
void appendRecord(std::string& out, const ContactValues& values, std::string_view version);

}  // namespace quillmere::core
