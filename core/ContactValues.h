#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/ContactField.h"

namespace quillmere::core {

// The texts of one data row, one per catalogue field; empty means exactly "".
class ContactValues {
 public:
  const std::string& operator[](Field field) const { return values_[index(field)]; }
  std::string& operator[](Field field) { return values_[index(field)]; }

  // Stores the value under the named field; false when the name is not in the catalogue.
  bool set(std::string_view fieldName, std::string value);

  void clear();

 private:
  static constexpr std::size_t index(Field field) { return static_cast<std::size_t>(field); }

  std::array<std::string, kFieldCount> values_;
};

}  // namespace quillmere::core
