#pragma once

#include <vector>

#include "core/ColumnMapping.h"
#include "core/ContactSheet.h"

namespace quillmere::core {

// The postal-code columns of `pairs` with a number cell whose format shows other digits than
// the cell stores (a leading zero, grouping), which only "Keep Numbers as Shown" writes as
// shown. Phones are always written as shown, so they are never named. Reads the rows only
// until every such column is found. Throws source::WorkbookError when the rows cannot be read.
std::vector<HeaderColumn> columnsShowingOtherDigits(ContactSheet& sheet,
                                                    const std::vector<ColumnPair>& pairs);

}  // namespace quillmere::core
