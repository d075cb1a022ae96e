#pragma once

#include <cstddef>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/HeaderNames.h"

namespace quillmere::core {

struct NameMatch {
  std::size_t paired = 0;   // headers paired by this match
  std::size_t offered = 0;  // headers the header list offered when it began
};

// Pairs every header still offered whose text names a contact field still offered with that
// field, left-most header first, each through Add as if the user had chosen both; the
// user's own pairs stay as they are. With nothing to pair, nothing changes at all. The
// context's column values are asked for by sheet column, counted from 0.
NameMatch matchByName(ColumnMapping& mapping, const HeaderContext& context = {});

// The given pairs and, after them, one for every other header that Match by Name pairs with
// a field none of them has, for a command line that names some columns itself. The
// context's column values are asked for by sheet column.
std::vector<ColumnPair> addPairsByName(const std::vector<HeaderColumn>& headers,
                                       std::vector<ColumnPair> given,
                                       const HeaderContext& context = {});

}  // namespace quillmere::core
