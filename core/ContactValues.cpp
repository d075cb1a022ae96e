#include "core/ContactValues.h"

#include <utility>

namespace quillmere::core {

bool ContactValues::set(std::string_view fieldName, std::string value) {
  const auto field = fieldFromName(fieldName);
  if (!field) return false;
  values_[index(*field)] = std::move(value);
  return true;
}

void ContactValues::clear() {
  for (auto& value : values_)
    value.clear();
  leftOut_.clear();
}

}  // namespace quillmere::core
