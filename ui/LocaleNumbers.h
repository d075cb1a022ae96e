#pragma once

namespace quillmere::ui {

// The user's decimal separator, with which numbers are written as the spreadsheet shows
// them; "." where the locale's is not a single ASCII character.
char localeDecimalSeparator();

}  // namespace quillmere::ui
