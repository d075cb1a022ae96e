#pragma once

#include <string_view>

#include "core/ContactValues.h"

namespace quillmere::core {

// Google Contacts writes several e-mail addresses or phone numbers of one kind into one cell
// with this between them.
inline constexpr std::string_view kValueSeparator = " ::: ";

// Splits every e-mail, telephone and fax value holding several: the first stays with its
// field, the next ones go to the fields of the same kind the row leaves empty and that make
// a card line (EmailAddress2 and 3; another phone field), and what finds none is left out.
void spreadSeveralValues(ContactValues& values);

}  // namespace quillmere::core
