#pragma once

#include <string>
#include <string_view>

namespace quillmere::core {

// The key two column headers are compared by: the UTF-8 text with case, accents, spaces and
// punctuation folded away, so "E-mail Address", "EMAIL_ADDRESS" and "e‑mail address" all give
// "emailaddress" and "Prénom", "PRENOM" give "prenom". ASCII letters and digits are kept
// (letters lowered); other ASCII is dropped. Latin-1 Supplement and Latin Extended-A letters
// become their plain lower-case base letters (ß to "ss", æ to "ae", ł to "l"); their symbols,
// combining accents, the General Punctuation block and the byte order mark are dropped.
// Anything else passes through unchanged, and each byte of a malformed UTF-8 sequence becomes
// U+FFFD, so such a key never equals one made of well-formed text.
std::string foldHeaderText(std::string_view text);

}  // namespace quillmere::core
