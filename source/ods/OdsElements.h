#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmere::source::ods {

// A table cell in the shapes spreadsheet programs write nearly every cell in, read in one pass
// over its bytes: <table:table-cell/>, with a repeat count, or with a value type of string,
// float, percentage or currency, its value, and paragraphs of plain text, as in
// <table:table-cell office:value-type="string" calcext:value-type="string"><text:p>Ann</text:p>
// </table:table-cell>. Anything else (another attribute or child, other prefixes or quotes,
// an error value, references or markup in the text) is not such a cell, and the events read
// it.
struct OdsCellElement {
  enum class Type : unsigned char { None, String, Float, Percentage, Currency };

  std::size_t bytes = 0;  // the element's length; 0 when it is none of these shapes
  std::uint64_t repeat = 1;
  Type type = Type::None;
  std::string_view value;  // office:value
  // The paragraphs, <text:p>...</text:p> and <text:p/> one after another, for nextParagraph().
  std::string_view paragraphs;
  // Set when the cell's text is `text` exactly as written: at most one paragraph, none of whose
  // white space collapses. Nearly every cell is so, and needs no ParagraphText.
  bool asWritten = false;
  std::string_view text;
};

// The text of the first paragraph of `paragraphs`, white space as written, which it then
// leaves out; only for what readCellElement found.
std::string_view nextParagraph(std::string_view& paragraphs);

// Reads the cell element starting at `begin` (at its '<'); bytes = 0 when it is none of these
// shapes or does not end before `end`.
OdsCellElement readCellElement(const char* begin, const char* end);

// The start tag of a table row as spreadsheet programs write it: <table:table-row>, with a
// style and a repeat count at most. bytes = 0 when it is another (any other attribute, prefix or
// quotes) or does not end before `end`.
struct OdsRowStart {
  std::size_t bytes = 0;
  std::uint64_t repeat = 1;
};
OdsRowStart readRowStart(const char* begin, const char* end);

// The length of the table row starting at `begin`, for a pass that wants nothing of its cells;
// 0 when it does not end before `end`, or holds a comment, CDATA, a processing instruction or
// a row of its own, which the events must read.
std::size_t rowElementBytes(const char* begin, const char* end);

}  // namespace quillmere::source::ods
