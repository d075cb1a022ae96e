#pragma once

namespace quillmere::source::csv {

// The first byte in [p, end) that is not plain ASCII text: one above 0x7F or a NUL. Contact
// lists are mostly ASCII, so this goes a block at a time.
const unsigned char* skipAsciiText(const unsigned char* p, const unsigned char* end);

// The same, stopping at CR and LF as well.
const unsigned char* skipAsciiTextInLine(const unsigned char* p, const unsigned char* end);

// The first CR or LF in [p, end), or end.
const char* findLineBreak(const char* p, const char* end);

}  // namespace quillmere::source::csv
