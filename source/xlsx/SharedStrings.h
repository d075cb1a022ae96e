#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "source/ReadLimits.h"
#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::xlsx {

// The shared-string table in one arena: every string's bytes end to end in one std::string
// and their end offsets beside it, two allocations however many strings there are.
// Rich-text runs are joined, phonetic runs left out and _xHHHH_ escapes undone while loading.
class SharedStrings : public XmlHandler {
 public:
  explicit SharedStrings(const ReadLimits& limits = {}) : limits_(limits) {}

  std::size_t size() const { return ends_.size(); }

  // The string at `index`, which must be below size().
  std::string_view at(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(pool_).substr(begin, ends_[index] - begin);
  }

  std::size_t poolBytes() const { return pool_.size(); }

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view name) override;
  void text(std::string_view data) override;

 private:
  // A table announcing more strings than this gets no larger reservation up front.
  static constexpr std::size_t kMaxReservedStrings = std::size_t{1} << 20;

  ReadLimits limits_;
  std::string pool_;
  std::vector<std::size_t> ends_;
  std::size_t stringStart_ = 0;
  int phoneticDepth_ = 0;
  bool inItem_ = false;
  bool inText_ = false;
};

}  // namespace quillmere::source::xlsx
