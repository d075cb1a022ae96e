#include "core/DigitsShownOtherwise.h"

#include <string>

#include "source/CellTextForm.h"
#include "source/DisplayedText.h"
#include "source/load/DataRowWalk.h"
#include "source/load/SheetLoader.h"

namespace quillmere::core {

std::vector<HeaderColumn> columnsShowingOtherDigits(ContactSheet& sheet,
                                                    const std::vector<ColumnPair>& pairs) {
  std::vector<HeaderColumn> candidates;
  for (const ColumnPair& pair : pairs) {
    if (pair.field == Field::HomeAddressPostalCode ||
        pair.field == Field::BusinessAddressPostalCode) {
      candidates.push_back(pair.header);
    }
  }
  if (candidates.empty()) return {};
  const source::SheetTable& table = sheet.table();
  std::vector<bool> found(candidates.size());
  std::size_t left = candidates.size();
  SheetRows rows = sheet.readRows();
  source::SheetReader& reader = rows.reader();
  const source::CellFormats& formats = reader.cellFormats();
  if (!source::seekRow(reader, table.headerRow)) return {};
  auto walk = source::DataRowWalk::over(table);
  std::string shown;
  std::string stored;
  while (left > 0 && walk.next(reader)) {
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      const std::uint32_t column = candidates[i].column;
      if (found[i] || column >= reader.cellCount()) continue;
      const source::CellValue& cell = reader.cell(column);
      if (cell.kind != source::CellKind::Number) continue;
      shown.clear();
      stored.clear();
      source::appendDisplayedText(shown, cell, formats, sheet.decimalSeparator());
      source::appendTextForm(stored, cell, sheet.decimalSeparator());
      if (shown == stored) continue;
      found[i] = true;
      --left;
    }
  }
  std::vector<HeaderColumn> named;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (found[i]) named.push_back(candidates[i]);
  }
  return named;
}

}  // namespace quillmere::core
