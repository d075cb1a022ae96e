#include "source/xlsx/SharedStrings.h"

#include <algorithm>
#include <charconv>

#include "source/xlsx/TextEscapes.h"

namespace quillmere::source::xlsx {

using Kind = WorkbookError::Kind;

void SharedStrings::startElement(std::string_view name, const char** attributes) {
  if (name == "si") {
    inItem_ = true;
    stringStart_ = pool_.size();
  } else if (!inItem_) {
    if (name == "sst") {
      const auto count = attribute(attributes, "uniqueCount");
      std::size_t announced = 0;
      if (count && std::from_chars(count->data(), count->data() + count->size(), announced).ec ==
                       std::errc{}) {
        ends_.reserve(std::min(announced, kMaxReservedStrings));
      }
    }
  } else if (name == "rPh") {
    ++phoneticDepth_;
  } else if (name == "t" && phoneticDepth_ == 0) {
    inText_ = true;
  }
}

void SharedStrings::endElement(std::string_view name) {
  if (!inItem_) return;
  if (name == "t") {
    inText_ = false;
  } else if (name == "rPh") {
    if (phoneticDepth_ > 0) --phoneticDepth_;
  } else if (name == "si") {
    decodeEscapes(pool_, stringStart_);
    ends_.push_back(pool_.size());
    inItem_ = false;
    inText_ = false;
    phoneticDepth_ = 0;
  }
}

void SharedStrings::text(std::string_view data) {
  if (!inText_ || failed()) return;
  if (pool_.size() - stringStart_ + data.size() > limits_.maxCellTextBytes) {
    fail(Kind::LimitExceeded, "holds shared string " + std::to_string(ends_.size() + 1) +
                                  " longer than " + std::to_string(limits_.maxCellTextBytes) +
                                  " bytes, the most Quillmere reads for one cell.");
    return;
  }
  if (pool_.size() + data.size() > limits_.maxSharedStringBytes) {
    fail(Kind::LimitExceeded, "holds more than " + std::to_string(limits_.maxSharedStringBytes) +
                                  " bytes of shared strings, the most Quillmere reads.");
    return;
  }
  pool_.append(data);
}

}  // namespace quillmere::source::xlsx
