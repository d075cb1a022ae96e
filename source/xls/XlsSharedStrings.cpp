#include "source/xls/XlsSharedStrings.h"

#include <algorithm>

#include "source/WorkbookError.h"
#include "source/xls/FragmentReader.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {
// A stated count is only a hint for reserving: a damaged one must not allocate gigabytes.
constexpr std::size_t kMaxReservedStrings = 65536;
}  // namespace

XlsSharedStrings::XlsSharedStrings(const std::filesystem::path& file, std::string_view first,
                                   FragmentSource& more, const ReadLimits& limits) {
  FragmentReader reader(file, first, more);
  reader.u32();  // strings used in the workbook, counting repeats
  const std::uint32_t unique = reader.u32();
  ends_.reserve(std::min<std::size_t>(unique, kMaxReservedStrings));
  while (ends_.size() < unique && !reader.atEnd()) {
    if (ends_.size() >= limits.maxSharedStrings) {
      throw WorkbookError(WorkbookError::Kind::LimitExceeded, file,
                          sharedStringsPastLimit(limits.maxSharedStrings));
    }
    const std::size_t begin = text_.size();
    reader.appendUnicodeString(text_);
    if (text_.size() - begin > limits.maxCellTextBytes) {
      throwCellTextTooLong(file, text_.size() - begin, limits.maxCellTextBytes);
    }
    if (text_.size() > limits.maxSharedStringBytes) {
      throw WorkbookError(WorkbookError::Kind::LimitExceeded, file,
                          "holds more shared text than the " +
                              std::to_string(limits.maxSharedStringBytes) +
                              " bytes Quillmere reads.");
    }
    ends_.push_back(text_.size());
  }
}

}  // namespace quillmere::source::xls
