#include "core/ContactValues.h"

#include <algorithm>
#include <utility>

#include "source/CellReference.h"

namespace quillmere::core {

bool ContactValues::set(std::string_view fieldName, std::string value) {
  const auto field = fieldFromName(fieldName, true);
  if (!field) return false;
  values_[index(*field)] = std::move(value);
  return true;
}

void ContactValues::clear() {
  for (auto& value : values_)
    value.clear();
  leftOut_.clear();
  notes_.clear();
}

void ContactValues::sortNotesByColumn() {
  std::stable_sort(notes_.begin(), notes_.end(),
                   [](const ValueNote& a, const ValueNote& b) { return a.column < b.column; });
}

std::string noteText(const ValueNote& note) {
  std::string text(fieldName(note.field));
  text += " \"";
  text += note.text;
  text += "\" in column ";
  text += source::columnLetters(note.column);
  switch (note.kind) {
    case ValueNote::Kind::NotADate:
      text +=
          " is not a date, so the card has no line for it (write 1985-03-13, or --03-13 "
          "without the year)";
      break;
    case ValueNote::Kind::NotAPhoneNumber:
      text += " is not a phone number of " + note.country + ", so it is written as it stands";
      break;
  }
  return text;
}

}  // namespace quillmere::core
