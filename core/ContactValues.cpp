#include "core/ContactValues.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "source/CellReference.h"

namespace quillmere::core {

bool ContactValues::set(std::string_view fieldName, std::string value) {
  const auto field = fieldFromName(fieldName, true);
  if (!field) return false;
  touch(index(*field));
  values_[index(*field)] = std::move(value);
  return true;
}

void ContactValues::clear() {
  for (std::size_t word = 0; word < touched_.size(); ++word) {
    for (std::uint64_t bits = std::exchange(touched_[word], 0); bits != 0; bits &= bits - 1)
      values_[word * 64 + static_cast<std::size_t>(std::countr_zero(bits))].clear();
  }
  leftOut_.clear();
  notes_.clear();
  photo_.clear();
  photoReleased_ = false;
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
    case ValueNote::Kind::PhotoLeftOut:
      text += " " + note.reason + ", so the card has no photo";
      break;
  }
  return text;
}

}  // namespace quillmere::core
