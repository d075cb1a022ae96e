#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "source/ReadLimits.h"
#include "source/SheetReader.h"
#include "source/xlsx/PartSource.h"
#include "source/xlsx/SheetRowParser.h"
#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/XmlStream.h"

namespace quillmere::source::xlsx {

// The row cursor over a worksheet part: each nextRow() parses on until the next row with a
// value is complete, so memory holds one row whatever the sheet's length. The shared strings
// may still be loading on another thread: a failure there comes out of the next nextRow(), and
// the sheet ends only once they are all there.
class XlsxSheetReader : public SheetReader {
 public:
  // Opens the part anew, for the first pass and for every rewind().
  using Opener = XmlStream::Opener;

  // `strings` must outlive the reader. `chunkBytes` is how much is inflated and parsed at a
  // time; tests pass tiny sizes to shake out faults at buffer boundaries.
  XlsxSheetReader(const std::filesystem::path& file, const std::string& partName, Opener opener,
                  const XlsxSharedStrings& strings, const ReadLimits& limits, bool date1904,
                  std::size_t chunkBytes = XmlStream::kDefaultChunkBytes);

  std::uint32_t gridRows() const override;
  bool nextRow() override;
  std::uint32_t rowNumber() const override { return rowNumber_; }
  std::size_t cellCount() const override { return atEnd_ ? 0 : parser_.cellCount(); }
  CellValue cell(std::size_t column) const override {
    return atEnd_ ? CellValue::empty() : parser_.cell(column);
  }
  void rewind() override;
  const CellFormats& cellFormats() const override { return *formats_; }
  void setWhileWaiting(std::function<void()> work) override {
    parser_.setWhileWaiting(std::move(work));
  }

  // The workbook's cell formats, which must outlive the reader; General until set.
  void setCellFormats(const CellFormats& formats) { formats_ = &formats; }

 private:
  Opener opener_;
  const XlsxSharedStrings& strings_;
  const CellFormats* formats_ = &CellFormats::general();
  SheetRowParser parser_;
  XmlStream stream_;
  std::exception_ptr failure_;  // thrown again by every later nextRow()
  std::uint32_t rowNumber_ = 0;
  bool atEnd_ = false;
};

}  // namespace quillmere::source::xlsx
