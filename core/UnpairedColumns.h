#pragma once

#include <string>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/ContactSheet.h"

namespace quillmere::core {

// The header columns of `sheet` that hold data in some data row but are paired with no field
// in `pairs`, in column order. Reads the rows only until every such column is found filled.
// Throws source::WorkbookError when the rows cannot be read.
std::vector<HeaderColumn> unpairedColumnsWithData(ContactSheet& sheet,
                                                  const std::vector<ColumnPair>& pairs);

// "Columns C (Phone) and F (Bemerkung) hold data but go nowhere", or "Column C (Phone) holds
// data but goes nowhere"; empty for no columns. Past five columns the rest are counted.
std::string unpairedColumnsSentence(const std::vector<HeaderColumn>& columns);

}  // namespace quillmere::core
