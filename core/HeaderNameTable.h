#pragma once

#include <span>
#include <string_view>

#include "core/ContactField.h"

namespace quillmere::core {

// The column headers that name one catalogue field, as address books and mail programs write
// them in their contact exports. They are compared through foldHeaderText.
struct FieldHeaderNames {
  Field field;
  std::span<const std::string_view> names;
};

// One entry per catalogue field, in catalogue order. No folded name occurs twice.
std::span<const FieldHeaderNames> headerNameTable();

}  // namespace quillmere::core
