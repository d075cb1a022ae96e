#pragma once

#include <string>
#include <string_view>

namespace quillmere::source::xlsx {

// Part names inside the package, written without a leading slash ("xl/workbook.xml").

// The key a zip entry name is looked up by: "\" and "/" alike, letters folded to lower case,
// no leading slash. Writers differ in all three.
std::string partKey(std::string_view name);

// The part a relationship target names, seen from the part that holds the relationship
// ("" for the package root). Targets may be relative, absolute ("/xl/worksheets/sheet1.xml"),
// use backslashes, "." and ".." segments, or percent escapes.
std::string resolveTarget(std::string_view sourcePart, std::string_view target);

// The relationships part of a part: "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels".
std::string relationshipsPartOf(std::string_view part);

}  // namespace quillmere::source::xlsx
