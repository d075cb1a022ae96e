#include "core/ContactField.h"

namespace quillmere::core {

std::optional<Field> fieldFromName(std::string_view name, bool moreFields) {
  const std::size_t count = moreFields ? kAllFieldCount : kFieldCount;
  for (std::size_t i = 0; i < count; ++i) {
    const auto field = static_cast<Field>(i);
    if (fieldName(field) == name) return field;
  }
  return std::nullopt;
}

}  // namespace quillmere::core
