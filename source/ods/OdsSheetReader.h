#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>

#include "source/ReadLimits.h"
#include "source/SheetReader.h"
#include "source/ods/OdsRowParser.h"
#include "source/xlsx/XmlStream.h"

namespace quillmere::source::ods {

// The row cursor over one table of an OpenDocument content part: each nextRow() parses on
// until the next row with a value is complete, or hands out the next repeat of the row it has,
// so memory holds one row whatever the sheet's length. The parse stops where the table ends.
class OdsSheetReader : public SheetReader {
 public:
  // Opens the part anew, for the first pass and for every rewind().
  using Opener = xlsx::XmlStream::Opener;

  // `table` is the sheet's place in tab order. `chunkBytes` is how much is parsed at a time;
  // tests pass tiny sizes to shake out faults at buffer boundaries.
  OdsSheetReader(const std::filesystem::path& file, const std::string& partName, Opener opener,
                 std::size_t table, const ReadLimits& limits,
                 std::size_t chunkBytes = xlsx::XmlStream::kDefaultChunkBytes);

  std::uint32_t gridRows() const override;
  bool nextRow() override;
  std::uint32_t rowNumber() const override { return rowNumber_; }
  std::size_t cellCount() const override { return atEnd_ ? 0 : parser_.cellCount(); }
  CellValue cell(std::size_t column) const override {
    return atEnd_ ? CellValue::empty() : parser_.cell(column);
  }
  void rewind() override;

 private:
  std::filesystem::path file_;
  Opener opener_;
  OdsRowParser parser_;
  xlsx::XmlStream stream_;
  std::exception_ptr failure_;  // thrown again by every later nextRow()
  std::uint32_t rowNumber_ = 0;
  std::uint32_t repeatsLeft_ = 0;  // more rows the current one stands for
  bool atEnd_ = false;
};

}  // namespace quillmere::source::ods
