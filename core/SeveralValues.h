#pragma once

#include <string_view>
#include <vector>

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

// The categories a cell holds, trimmed, none of them blank. A cell separates them as Google
// does, by " ::: ", else as Outlook does, by ";", or one to a line, so a category may hold
// commas of its own (and semicolons, in a cell written Google's way). Google's own groups
// "* myContacts" and "* starred" are no categories of the user's, and its "* " before a
// system group's name ("* Friends") is no part of it.
std::vector<std::string_view> categoriesOf(std::string_view cell);

}  // namespace quillmere::core
