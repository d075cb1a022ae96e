#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "source/CellFormats.h"
#include "source/xls/BiffRecordCursor.h"
#include "source/xls/BiffVersion.h"
#include "source/xls/XlsTextDecoder.h"

namespace quillmere::source::xls {

// The records that say how a BIFF workbook shows its numbers: FORMAT (the format codes), XF
// (each cell style's format) and DATEMODE (the 1904 date system). They are gathered while the
// globals, or a BIFF2-4 worksheet, are surveyed and read once the version and the code page
// are certain. Odd records never fail the workbook, since they only change how numbers look:
// a short or damaged one, or one past the limits, leaves its cells in General.
class XlsStyles {
 public:
  // Format ids are 16-bit numbers, and spreadsheet applications allow a few hundred codes.
  static constexpr std::size_t kMaxFormats = 4096;
  // Cells name their style in 16 bits.
  static constexpr std::size_t kMaxStyles = 65536;
  // Id, count, flags and 255 characters of two bytes: no code a spreadsheet writes is longer.
  static constexpr std::size_t kMaxFormatBytes = 5 + 255 * 2;

  // Keeps the record when it is one of these; false for any other.
  bool take(const BiffRecord& record);

  bool date1904() const { return date1904_; }

  // The table a sheet's cells refer to: BIFF2 cells name a FORMAT record themselves, the
  // cells of later versions an XF record. `date1904` is the date system, which a BIFF4
  // workbook may state outside the sheet these records come from.
  CellFormats build(BiffVersion version, const XlsTextDecoder& decoder, bool date1904) const;

 private:
  std::vector<std::string> formats_;         // each FORMAT record's data, in order
  std::vector<std::uint16_t> styleFormats_;  // each XF record's format index, in order
  bool date1904_ = false;
};

}  // namespace quillmere::source::xls
