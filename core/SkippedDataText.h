#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "source/load/SheetTable.h"

namespace quillmere::core {

// One kind of data the rules leave unread, in a plain sentence: which columns or rows, why,
// and what would have them read.
struct SkippedDataNotice {
  std::uint32_t firstRow = 0;  // the sheet row it begins at; 0 for columns of every row
  std::string sentence;
};

// Which of `columns` a notice names by letter, and how many more it only counts.
struct NamedColumns {
  std::vector<std::string> letters;
  std::size_t more = 0;
};
NamedColumns namedColumns(const std::vector<std::uint32_t>& columns);

// The notices for what `skipped` found in `table`, in English; none when nothing was left.
std::vector<SkippedDataNotice> skippedDataNotices(const source::SheetTable& table,
                                                  const source::SkippedData& skipped);

}  // namespace quillmere::core
