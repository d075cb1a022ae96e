#include "core/SkippedDataText.h"

#include <cstddef>

#include "source/CellReference.h"
#include "source/load/DataRowWalk.h"

namespace quillmere::core {

namespace {

// Past this many, columns are counted rather than named.
constexpr std::size_t kColumnsNamed = 8;

std::string columnList(const std::vector<std::uint32_t>& columns) {
  const NamedColumns named = namedColumns(columns);
  std::string text;
  for (std::size_t i = 0; i < named.letters.size(); ++i) {
    if (i > 0) text += i + 1 == named.letters.size() && named.more == 0 ? " and " : ", ";
    text += named.letters[i];
  }
  if (named.more > 0) text += " and " + std::to_string(named.more) + " more";
  return text;
}

}  // namespace

NamedColumns namedColumns(const std::vector<std::uint32_t>& columns) {
  NamedColumns named;
  const std::size_t count = columns.size() > kColumnsNamed ? kColumnsNamed - 1 : columns.size();
  for (std::size_t i = 0; i < count; ++i)
    named.letters.push_back(source::columnLetters(columns[i]));
  named.more = columns.size() - count;
  return named;
}

std::vector<SkippedDataNotice> skippedDataNotices(const source::SheetTable& table,
                                                  const source::SkippedData& skipped) {
  std::vector<SkippedDataNotice> notices;
  const std::string headerRow = std::to_string(table.headerRow);
  if (!skipped.columnsPastHeaders.empty()) {
    const auto gap = static_cast<std::uint32_t>(table.headers.size());
    const bool one = skipped.columnsPastHeaders.size() == 1;
    notices.push_back({0, std::string(one ? "Column " : "Columns ") +
                              columnList(skipped.columnsPastHeaders) + (one ? " holds" : " hold") +
                              " data but " + (one ? "is" : "are") +
                              " not read: the headers end at the first empty cell of row " +
                              headerRow + ", " + source::columnLetters(gap) + headerRow +
                              ". Fill in the missing headers to read " + (one ? "it." : "them.")});
  }
  if (skipped.rowsAfterEnd > 0) {
    static_assert(source::kEmptyRowsEndingData == 5, "the sentence spells the number out");
    const bool one = skipped.rowsAfterEnd == 1;
    const std::string rows = one ? "Row " + std::to_string(skipped.firstRowAfterEnd)
                                 : std::to_string(skipped.rowsAfterEnd) + " rows (" +
                                       std::to_string(skipped.firstRowAfterEnd) + " to " +
                                       std::to_string(skipped.lastRowAfterEnd) + ")";
    notices.push_back({skipped.firstRowAfterEnd,
                       rows + (one ? " holds" : " hold") + " data but " + (one ? "is" : "are") +
                           " not read: five empty rows in a row end the list of contacts. "
                           "Remove the empty rows to read " +
                           (one ? "it." : "them.")});
  }
  return notices;
}

}  // namespace quillmere::core
