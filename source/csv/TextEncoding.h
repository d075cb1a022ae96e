#pragma once

namespace quillmere::source::csv {

enum class TextEncoding { Utf8, Utf16Le, Utf16Be, Windows1252 };

}  // namespace quillmere::source::csv
