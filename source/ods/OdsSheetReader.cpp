#include "source/ods/OdsSheetReader.h"

#include "source/CellReference.h"
#include "source/DamagedFile.h"
#include "source/WorkbookError.h"

namespace quillmere::source::ods {

OdsSheetReader::OdsSheetReader(const std::filesystem::path& file, const std::string& partName,
                               Opener opener, std::size_t table, const ReadLimits& limits,
                               std::size_t chunkBytes)
    : file_(file),
      opener_(std::move(opener)),
      parser_(table, limits),
      stream_(file, partName, parser_, chunkBytes) {
  stream_.reset(opener_);
}

std::uint32_t OdsSheetReader::gridRows() const {
  return kMaxGridRows;
}

bool OdsSheetReader::nextRow() {
  if (failure_) std::rethrow_exception(failure_);
  if (atEnd_) return false;
  if (repeatsLeft_ > 0) {
    --repeatsLeft_;
    ++rowNumber_;
    return true;
  }
  try {
    if (stream_.parse() && !parser_.tableEnded()) {
      rowNumber_ = parser_.rowNumber();
      repeatsLeft_ = parser_.repeats() - 1;
      return true;
    }
    if (!parser_.tableEnded()) {
      throw damagedFile(file_, "its sheet is missing from " + stream_.partName() + ".",
                        {.part = stream_.partName()});
    }
  } catch (...) {
    failure_ = std::current_exception();
    throw;
  }
  atEnd_ = true;
  return false;
}

void OdsSheetReader::rewind() {
  stream_.reset(opener_);
  parser_.restart();
  failure_ = nullptr;
  rowNumber_ = 0;
  repeatsLeft_ = 0;
  atEnd_ = false;
}

}  // namespace quillmere::source::ods
