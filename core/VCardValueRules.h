#pragma once

#include <string>
#include <string_view>

namespace quillmere::core {

// What both passes of the vCard reader, the strict one and the quick one, read a value by.

bool equalsIgnoringCase(std::string_view a, std::string_view b);
int hexDigit(char c);

// Undoes quoted-printable into `out`; false for an "=" not followed by two hexadecimal digits.
bool decodeQuotedPrintable(std::string_view value, std::string& out);

// How a property's value is taken apart: N, ADR and ORG at their ";", CATEGORIES at its ",",
// a URL as a URI, anything else as one text; an encoded value as it stands.
enum class ValueShape : unsigned char { Text, Structured, List, Uri, Binary };
ValueShape shapeOf(std::string_view name);

}  // namespace quillmere::core
