#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/VCardVersion.h"

namespace quillmere::core {

// The CardDigest of `record`'s properties as its version's reader reads them, made in one pass
// without copying the values; none where the pass meets what it leaves to VCardReader (a
// property or escape it does not expect, text the reader would refuse).
std::optional<std::uint64_t> quickCardDigest(std::string_view record, VCardVersion version);

}  // namespace quillmere::core
