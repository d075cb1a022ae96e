#pragma once

#include <string>
#include <string_view>

namespace quillmere::core {

// How values are made safe inside a property: 2.1 has no "\n" escape and assumes ASCII,
// so line breaks and non-ASCII text travel quoted-printable there.
enum class VCardDialect { V21, V30 };

VCardDialect dialectOf(std::string_view version);

// Escapes one value or component: "\" "," ";" get a backslash, and every line break
// (CR LF, LF or CR) becomes "\n" (3.0/4.0) or CR LF, to be quoted-printable encoded (2.1).
void appendEscaped(std::string& out, std::string_view value, VCardDialect dialect);

// Appends "name[params]:value" where value is already escaped; in 2.1 a value that holds
// non-ASCII bytes or a line break gets the charset and encoding parameters and is encoded.
void appendProperty(std::string& out, std::string_view nameAndTypes, std::string_view escaped,
                    VCardDialect dialect);

}  // namespace quillmere::core
