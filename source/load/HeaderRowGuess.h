#pragma once

#include <cstdint>
#include <optional>

#include "source/SheetReader.h"

namespace quillmere::source {

// Rows looked at for a header row below a title.
inline constexpr std::uint32_t kHeaderRowSearchRows = 10;

// The row that looks like the real header row when row 1 looks like a title: row 1 holds at
// most one filled cell while a row below it, within the first ten, has at least two text
// cells. Reads from the sheet's start and leaves it rewound; nothing when row 1 looks fine.
std::optional<std::uint32_t> suggestHeaderRow(SheetReader& sheet);

}  // namespace quillmere::source
