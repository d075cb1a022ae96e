#pragma once

#include <string>
#include <string_view>

#include "core/VCardVersion.h"

namespace quillmere::core {

// How values are made safe inside a property: 2.1 has no "\n" escape and assumes ASCII,
// so line breaks and non-ASCII text travel quoted-printable there.
enum class VCardDialect { V21, V30 };

VCardDialect dialectOf(VCardVersion version);

// What a value is decides what of it is escaped. 2.1 defines an escape only for a ";" inside
// a component of a structured value (N, ADR, ORG); its readers keep any other backslash. A URI
// is no text in any version: a backslash before its "," or ";" would break the address.
enum class ValueKind : unsigned char { Text, Component, Uri };

// Escapes one value or component: in 3.0 and 4.0 "\" "," ";" get a backslash (a URI's keep
// none), in 2.1 only a component's ";" does; every line break (CR LF, LF or CR) becomes "\n"
// (3.0/4.0) or CR LF, to be quoted-printable encoded (2.1).
void appendEscaped(std::string& out, std::string_view value, VCardDialect dialect,
                   ValueKind kind = ValueKind::Text);

// Appends "name[params]:value" where value is already escaped; in 2.1 a value that holds
// non-ASCII bytes or a line break gets the charset and encoding parameters and is encoded.
void appendProperty(std::string& out, std::string_view nameAndTypes, std::string_view escaped,
                    VCardDialect dialect);

// The 4.0 parameter value of a formatted address, quoted; RFC 6868 spells the line breaks,
// double quotes and carets a parameter cannot hold.
void appendLabelParameter(std::string& out, std::string_view label);

}  // namespace quillmere::core
