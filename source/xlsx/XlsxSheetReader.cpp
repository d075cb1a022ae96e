#include "source/xlsx/XlsxSheetReader.h"

#include "source/CellReference.h"

namespace quillmere::source::xlsx {

XlsxSheetReader::XlsxSheetReader(const std::filesystem::path& file, const std::string& partName,
                                 Opener opener, const XlsxSharedStrings& strings,
                                 const ReadLimits& limits, bool date1904, std::size_t chunkBytes)
    : opener_(std::move(opener)),
      strings_(strings),
      parser_(strings, limits, date1904),
      stream_(file, partName, parser_, chunkBytes) {
  stream_.reset(opener_);
}

std::uint32_t XlsxSheetReader::gridRows() const {
  return kMaxGridRows;
}

bool XlsxSheetReader::nextRow() {
  if (failure_) std::rethrow_exception(failure_);
  if (atEnd_) return false;
  try {
    strings_.throwIfFailed();
    if (stream_.parse()) {
      rowNumber_ = parser_.rowNumber();
      return true;
    }
    // A table that no cell needed whole is still read to its end: a damaged one is an error.
    strings_.waitLoaded(parser_.whileWaiting());
  } catch (...) {
    failure_ = std::current_exception();
    throw;
  }
  atEnd_ = true;
  return false;
}

void XlsxSheetReader::rewind() {
  stream_.reset(opener_);
  parser_.restart();
  failure_ = nullptr;
  rowNumber_ = 0;
  atEnd_ = false;
}

}  // namespace quillmere::source::xlsx
