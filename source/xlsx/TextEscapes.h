#pragma once

#include <cstddef>
#include <string>

namespace quillmere::source::xlsx {

// Undoes the _xHHHH_ escapes workbooks use for characters XML cannot carry (control
// characters) or that would be read as an escape ("_x005F_" is "_"), in text[from..], in
// place: the UTF-8 form is never longer than its escape. A surrogate pair written as two
// escapes becomes one character; a lone surrogate becomes U+FFFD.
void decodeEscapes(std::string& text, std::size_t from = 0);

}  // namespace quillmere::source::xlsx
