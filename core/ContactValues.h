#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ContactField.h"

namespace quillmere::core {

// A value of a cell holding several that found no free field of its kind.
struct LeftOutValue {
  Field field;  // the field its cell is paired with
  std::string value;
  friend bool operator==(const LeftOutValue&, const LeftOutValue&) = default;
};

// A cell whose text the card leaves out or keeps as it stands, and why, for the report.
struct ValueNote {
  enum class Kind : unsigned char {
    NotADate,         // a date field's cell that is no date; its line is left out
    NotAPhoneNumber,  // a number not read in `country`; written as in the sheet
    PhotoLeftOut,     // a photo cell whose picture the card goes without, `reason` says why
  };
  Kind kind = Kind::NotADate;
  Field field = Field::Birthday;
  std::uint32_t column = 0;  // counted from 0
  std::string text;
  std::string country;
  std::string reason;
  friend bool operator==(const ValueNote&, const ValueNote&) = default;
};

// What the report says of a note: the field, the cell's column and text, and what was done.
std::string noteText(const ValueNote& note);

// The texts of one data row, one per field of the catalogue and of More Fields; empty means
// exactly "". Values the row had no field left for, and cells it could not read as their
// field asks, are kept beside them, for the report.
class ContactValues {
 public:
  const std::string& operator[](Field field) const { return values_[index(field)]; }
  std::string& operator[](Field field) {
    touch(index(field));
    return values_[index(field)];
  }

  // Stores the value under the named field, More Fields included; false when no field has
  // that name.
  bool set(std::string_view fieldName, std::string value);

  const std::vector<LeftOutValue>& leftOut() const { return leftOut_; }
  void leaveOut(Field field, std::string value) { leftOut_.push_back({field, std::move(value)}); }

  const std::vector<ValueNote>& notes() const { return notes_; }
  void note(ValueNote note) { notes_.push_back(std::move(note)); }
  // Keeps the order of notes of one column.
  void sortNotesByColumn();

  // The photo cell's picture as the card holds it: JPEG bytes in base64, no line breaks;
  // empty when the row has none or it was left out.
  const std::string& photo() const { return photo_; }
  void setPhoto(std::string base64) { photo_ = std::move(base64); }
  // Frees the photo once its card is built, which holds it: rows built ahead wait in batches
  // of hundreds. hadPhoto() still says the card has one.
  void releasePhoto() {
    photoReleased_ = !photo_.empty() || photoReleased_;
    std::string().swap(photo_);
  }
  bool hadPhoto() const { return !photo_.empty() || photoReleased_; }

  void clear();

 private:
  static constexpr std::size_t index(Field field) { return static_cast<std::size_t>(field); }
  void touch(std::size_t i) { touched_[i / 64] |= std::uint64_t{1} << (i % 64); }

  std::array<std::string, kAllFieldCount> values_;
  // The values that may hold text, so clearing a row touches only those of the few fields
  // its columns fill rather than every field of the catalogue.
  std::array<std::uint64_t, (kAllFieldCount + 63) / 64> touched_{};
  std::vector<LeftOutValue> leftOut_;
  std::vector<ValueNote> notes_;
  std::string photo_;
  bool photoReleased_ = false;
};

}  // namespace quillmere::core
