#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/WrittenDate.h"
#include "source/SheetReader.h"

namespace quillmere::core {

// Whether a column is paired with a birthday or an anniversary.
bool pairsADate(const std::vector<ColumnPair>& columns);

// What a date column's own dates say of the ones that could be read more ways than one.
struct DateColumn {
  // The order its slash dates show by a day over 12 ("13/3/1985" day first, "3/13/1985"
  // month first); nothing where they show none or both, and the desktop's order decides.
  std::optional<DayOrder> order;
  // Some of its texts are ISO dates: the column is written in ISO, and a "13/03/1985" in it
  // is a typing error only its writer knows, not a date of another form.
  bool iso = false;
};

// By column (counted from 0), what each date column's dates say. Reads the rows of `rows`
// below `headerRow` to their end; empty when no column is paired with a date field, so
// nothing is read.
std::vector<DateColumn> dateColumnsOf(source::SheetReader& rows, std::uint32_t headerRow,
                                      const std::vector<ColumnPair>& columns);

}  // namespace quillmere::core
