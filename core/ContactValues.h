#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/ContactField.h"

namespace quillmere::core {

// A value of a cell holding several that found no free field of its kind.
struct LeftOutValue {
  Field field;  // the field its cell is paired with
  std::string value;
  friend bool operator==(const LeftOutValue&, const LeftOutValue&) = default;
};

// The texts of one data row, one per catalogue field; empty means exactly "". Values the
// row had no field left for are kept beside them, for the report.
class ContactValues {
 public:
  const std::string& operator[](Field field) const { return values_[index(field)]; }
  std::string& operator[](Field field) { return values_[index(field)]; }

  // Stores the value under the named field; false when the name is not in the catalogue.
  bool set(std::string_view fieldName, std::string value);

  const std::vector<LeftOutValue>& leftOut() const { return leftOut_; }
  void leaveOut(Field field, std::string value) { leftOut_.push_back({field, std::move(value)}); }

  void clear();

 private:
  static constexpr std::size_t index(Field field) { return static_cast<std::size_t>(field); }

  std::array<std::string, kFieldCount> values_;
  std::vector<LeftOutValue> leftOut_;
};

}  // namespace quillmere::core
