#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "source/numfmt/NumberFormat.h"

namespace quillmere::source {

// How a workbook shows its numbers: the number format of each cell style and the date
// system. Cells carry only their style's index (CellValue::style); a format code is parsed the
// first time a cell of a style asks for it, so a reader that never shows a number pays only
// for the table.
class CellFormats {
 public:
  // Every style General, dates counted in the 1900 system: .csv files and sheets without
  // styles.
  CellFormats() = default;

  // `formatIds[style]` is the number format id of each cell style; `codes` holds the
  // workbook's own codes by id. An id without a code of its own is a built-in format.
  CellFormats(std::vector<std::uint32_t> formatIds,
              std::unordered_map<std::uint32_t, std::string> codes, bool date1904);

  CellFormats(CellFormats&&) = default;
  CellFormats& operator=(CellFormats&&) = default;

  // Dates count from 1 January 1904 rather than from 1900.
  bool date1904() const { return date1904_; }

  std::size_t styleCount() const { return formatIds_.size(); }

  // The number format of a cell style. General for a style the table does not hold, for an
  // id that is neither the workbook's own nor built in, and for a code the formatter cannot
  // read. The reference lives as long as the table.
  const numfmt::NumberFormat& numberFormat(std::uint32_t style) const;
  // Parses every style's format now. Until then asking for a format may fill the table;
  // after, it only reads it, so several threads may ask at once.
  void parseAll() const;

  // The table of a sheet without styles.
  static const CellFormats& general();

 private:
  const numfmt::NumberFormat& formatOfId(std::uint32_t id) const;

  std::vector<std::uint32_t> formatIds_;
  std::unordered_map<std::uint32_t, std::string> codes_;
  bool date1904_ = false;
  // Filled on first use: the parsed format of each id, and each style's, found through it.
  mutable std::unordered_map<std::uint32_t, numfmt::NumberFormat> parsed_;
  mutable std::vector<const numfmt::NumberFormat*> byStyle_;
};

}  // namespace quillmere::source
