#pragma once

#include <span>

#include "core/HeaderNameTable.h"

namespace quillmere::core {

// The header names of the business and home address fields, part of headerNameTable().
std::span<const FieldHeaderNames> addressHeaderNames();

}  // namespace quillmere::core
