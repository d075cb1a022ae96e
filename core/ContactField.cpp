#include "core/ContactField.h"

namespace quillmere::core {

std::optional<Field> fieldFromName(std::string_view name) {
  for (std::size_t i = 0; i < kContactFields.size(); ++i) {
    if (kContactFields[i] == name) return static_cast<Field>(i);
  }
  return std::nullopt;
}

}  // namespace quillmere::core
