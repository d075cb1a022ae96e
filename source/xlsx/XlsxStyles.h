#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "source/CellFormats.h"
#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::xlsx {

// What Quillmere needs of xl/styles.xml: the number format id of each cell style (cellXfs)
// and the workbook's own format codes (numFmts). Odd entries never fail the workbook, since
// they only change how numbers look: a style or code past the limits, an id that is no number,
// a code too long for a spreadsheet to have written, all leave their cells in General.
class XlsxStyles : public XmlHandler {
 public:
  // Spreadsheet applications allow 64,000 cell styles; a longer list is not a real one.
  static constexpr std::size_t kMaxCellStyles = 65536;
  // Format ids are 16-bit numbers in the binary format, so no workbook needs more codes.
  static constexpr std::size_t kMaxFormatCodes = 65536;
  // A code holds at most 255 characters, four bytes each in UTF-8.
  static constexpr std::size_t kMaxCodeBytes = 255 * 4;

  // The table the part describes, in the workbook's date system. Leaves this part empty.
  CellFormats take(bool date1904);

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view name) override;
  void text(std::string_view) override {}

 private:
  std::vector<std::uint32_t> formatIds_;
  std::unordered_map<std::uint32_t, std::string> codes_;
  int depth_ = 0;
  bool inFormats_ = false;
  bool inCellStyles_ = false;
};

}  // namespace quillmere::source::xlsx
