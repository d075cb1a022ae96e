#pragma once

#include <string>
#include <string_view>

namespace quillmere::core {

// Appends one CSV field as RFC 4180 writes it: as it is, or between double quotes with each
// quote doubled when it holds a comma, a quote, a CR or an LF.
void appendCsvField(std::string& line, std::string_view field);

}  // namespace quillmere::core
