#pragma once

#include <string_view>

namespace quillmere::source::numfmt {

// The code of a built-in number format id (0-49) as spreadsheet applications define it for
// the en-US locale: 14 is "m/d/yyyy", 22 "m/d/yyyy h:mm". Empty for ids without a built-in
// code (23-36, which only East Asian locales define, and ids above 49).
std::string_view builtinFormatCode(unsigned id);

}  // namespace quillmere::source::numfmt
