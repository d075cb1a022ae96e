#include "core/DateColumns.h"

#include <algorithm>

#include "core/ContactField.h"

namespace quillmere::core {

namespace {

bool isDateField(Field field) {
  return field == Field::Birthday || field == Field::Anniversary;
}

// What one column's dates have shown so far.
struct Shown {
  bool dayFirst = false;
  bool monthFirst = false;
  bool iso = false;
};

}  // namespace

bool pairsADate(const std::vector<ColumnPair>& columns) {
  return std::any_of(columns.begin(), columns.end(),
                     [](const ColumnPair& pair) { return isDateField(pair.field); });
}

std::vector<DateColumn> dateColumnsOf(source::SheetReader& rows, std::uint32_t headerRow,
                                      const std::vector<ColumnPair>& columns) {
  std::vector<std::uint32_t> dateColumns;
  for (const ColumnPair& pair : columns) {
    if (isDateField(pair.field)) dateColumns.push_back(pair.header.column);
  }
  if (dateColumns.empty()) return {};
  const std::uint32_t last = *std::max_element(dateColumns.begin(), dateColumns.end());
  std::vector<Shown> shown(last + 1);
  while (rows.nextRow()) {
    if (rows.rowNumber() <= headerRow) continue;
    for (const std::uint32_t column : dateColumns) {
      if (column >= rows.cellCount()) continue;
      const source::CellValue cell = rows.cell(column);
      if (cell.kind != source::CellKind::Text) continue;
      if (dateFromIsoText(cell.text)) shown[column].iso = true;
      if (const auto order = dayOrderShownBy(cell.text)) {
        (*order == DayOrder::DayFirst ? shown[column].dayFirst : shown[column].monthFirst) = true;
      }
    }
  }
  std::vector<DateColumn> dates(last + 1);
  for (std::uint32_t column = 0; column <= last; ++column) {
    dates[column].iso = shown[column].iso;
    if (shown[column].dayFirst != shown[column].monthFirst) {
      dates[column].order = shown[column].dayFirst ? DayOrder::DayFirst : DayOrder::MonthFirst;
    }
  }
  return dates;
}

}  // namespace quillmere::core
