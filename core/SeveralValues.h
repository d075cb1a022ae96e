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
// With More Fields the other phone is one of the phones, and pagers are a kind of their own.
void spreadSeveralValues(ContactValues& values, bool moreFields = false);

}  // namespace quillmere::core
