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

// By column (counted from 0), the order a date column's own slash dates show by a day over
// 12 ("13/3/1985" day first, "3/13/1985" month first); nothing where they show none or both,
// and the desktop's order decides. Reads the rows of `rows` below `headerRow` to their end;
// empty when no column is paired with a date field, so nothing is read.
std::vector<std::optional<DayOrder>> dayOrdersOfColumns(source::SheetReader& rows,
                                                        std::uint32_t headerRow,
                                                        const std::vector<ColumnPair>& columns);

}  // namespace quillmere::core
