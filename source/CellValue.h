#pragma once

#include <cstdint>
#include <string_view>

namespace quillmere::source {

enum class CellKind : unsigned char { Empty, Text, Number, Boolean, Error };

// One cell as stored. `text` holds the text of a Text cell and the code of an Error cell
// ("#N/A"); it points into the reader's storage and is valid until the cursor moves on.
// `number` holds a Number cell's value (dates are their stored serial) and a Boolean as 0 or 1;
// a Number cell's `text`, when not empty, is the text the spreadsheet showed for it, which a
// file may keep beside the value (.ods), and which displayedText() gives.
// `style` is the cell's style in the sheet's CellFormats, which says how a number is shown; 0 is
// the workbook's default style. `lasting` says the text lives as long as the workbook (a shared
// string), so a caller may keep the view instead of a copy.
struct CellValue {
  CellKind kind = CellKind::Empty;
  double number = 0.0;
  std::string_view text;
  std::uint32_t style = 0;
  bool lasting = false;

  static CellValue empty() { return {}; }
  static CellValue ofText(std::string_view t) { return {CellKind::Text, 0.0, t}; }
  static CellValue ofNumber(double n, std::uint32_t style = 0) {
    return {CellKind::Number, n, {}, style};
  }
  static CellValue ofBoolean(bool b) { return {CellKind::Boolean, b ? 1.0 : 0.0, {}}; }
  static CellValue ofError(std::string_view code) { return {CellKind::Error, 0.0, code}; }
};

}  // namespace quillmere::source
