#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmere::source::xlsx {

// A worksheet cell in the shapes spreadsheet applications write nearly every cell in,
// <c r="A1" t="s"><v>12</v></c>, <c r="B1" s="3"><v>1.5</v></c> and <c r="C1" s="3"/>, read
// in one pass over its bytes: the reference first, then t and s. Anything else (another
// attribute or child, a prefix, a reference without its row, white space or quote of another
// kind, a value that is no plain number) is not such a cell, and the general parser reads it.
struct CellElement {
  enum class Type : unsigned char { Number, SharedString };

  std::size_t bytes = 0;  // the element's length; 0 when it is none of these shapes
  std::uint32_t column = 0;
  std::uint32_t row = 0;
  Type type = Type::Number;
  bool styled = false;
  std::uint32_t style = 0;
  std::string_view value;   // the digits and signs of <v>; empty for an empty element
  std::uint32_t index = 0;  // a shared string's number
};

// Reads the cell element starting at `begin` (at its '<'); bytes = 0 when there is none in
// these shapes, or when fewer bytes than the longest of them are left before `end`.
CellElement readCellElement(const char* begin, const char* end);

}  // namespace quillmere::source::xlsx
