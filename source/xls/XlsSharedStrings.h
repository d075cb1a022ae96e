#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "source/ReadLimits.h"
#include "source/xls/FragmentSource.h"

namespace quillmere::source::xls {

// The BIFF8 pool of shared strings (the SST record and its CONTINUE records), held as one
// block of UTF-8 with an end offset per string.
class XlsSharedStrings {
 public:
  XlsSharedStrings() = default;

  // Throws WorkbookError: Corrupt when a string runs past the data, LimitExceeded when one
  // string passes limits.maxCellTextBytes, all of them limits.maxSharedStringBytes, or their
  // count limits.maxSharedStrings.
  // `first` is the SST record's data, `more` its CONTINUE records.
  XlsSharedStrings(const std::filesystem::path& file, std::string_view first, FragmentSource& more,
                   const ReadLimits& limits);

  std::size_t size() const { return ends_.size(); }

  // Index checked by the caller.
  std::string_view at(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
  }

 private:
  std::string text_;
  std::vector<std::size_t> ends_;
};

}  // namespace quillmere::source::xls
