#include "core/UnpairedColumns.h"

#include <algorithm>

#include "core/HeaderWords.h"
#include "source/load/DataRowWalk.h"
#include "source/load/RowEmptiness.h"
#include "source/load/SheetLoader.h"

namespace quillmere::core {

std::vector<HeaderColumn> unpairedColumnsWithData(ContactSheet& sheet,
                                                  const std::vector<ColumnPair>& pairs) {
  const source::SheetTable& table = sheet.table();
  std::vector<HeaderColumn> unpaired;
  for (const HeaderColumn& header : table.headers) {
    const bool paired = std::any_of(pairs.begin(), pairs.end(), [&](const ColumnPair& pair) {
      return pair.header.column == header.column;
    });
    // Google's numbered Type and Label columns give their group's kind, not a value.
    const HeaderWords words = readHeaderWords(header.text);
    const bool kindOfGroup = words.has(Sense::Type) && words.number > 0;
    if (!paired && !kindOfGroup) unpaired.push_back(header);
  }
  if (unpaired.empty()) return {};
  std::vector<bool> filled(unpaired.size());
  std::size_t left = unpaired.size();
  SheetRows rows = sheet.readRows();
  source::SheetReader& reader = rows.reader();
  if (!source::seekRow(reader, table.headerRow)) return {};
  // The rows a conversion reads, by the same rule that ends them.
  auto walk = source::DataRowWalk::over(table);
  while (left > 0 && walk.next(reader)) {
    for (std::size_t i = 0; i < unpaired.size(); ++i) {
      const std::uint32_t column = unpaired[i].column;
      if (filled[i] || column >= reader.cellCount()) continue;
      if (source::isEmptyCell(reader.cell(column))) continue;
      filled[i] = true;
      --left;
    }
  }
  std::vector<HeaderColumn> holding;
  for (std::size_t i = 0; i < unpaired.size(); ++i) {
    if (filled[i]) holding.push_back(std::move(unpaired[i]));
  }
  return holding;
}

std::string unpairedColumnsSentence(const std::vector<HeaderColumn>& columns) {
  if (columns.empty()) return {};
  constexpr std::size_t kNamed = 5;
  const bool one = columns.size() == 1;
  const std::size_t named = std::min(columns.size(), kNamed);
  const std::size_t more = columns.size() - named;
  std::string text = one ? "Column " : "Columns ";
  for (std::size_t i = 0; i < named; ++i) {
    if (i > 0) text += i + 1 == named && more == 0 ? " and " : ", ";
    text += columns[i].letters + " (" + columns[i].text + ")";
  }
  if (more > 0) text += " and " + std::to_string(more) + " more";
  text += one ? " holds data but goes nowhere" : " hold data but go nowhere";
  return text;
}

}  // namespace quillmere::core
