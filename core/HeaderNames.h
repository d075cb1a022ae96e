#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ContactField.h"

namespace quillmere::core {

// The contact field a column header names, compared through foldHeaderText against
// headerNameTable; nothing when the UTF-8 header names no field or could name several.
std::optional<Field> fieldForHeader(std::string_view headerText);

// Pairs of (index into headers, field) for every header that names a field not in
// alreadyMapped, in header order. Each field is taken at most once, by its left-most header.
std::vector<std::pair<std::size_t, Field>> matchHeadersByName(std::span<const std::string> headers,
                                                              const std::set<Field>& alreadyMapped);

}  // namespace quillmere::core
