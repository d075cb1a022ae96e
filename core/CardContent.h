#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere::core {

// One property of a card as its reader sees it once folding, encodings and escapes are
// undone. Kinds and parameters are kept apart from the order they were written in.
struct CardProperty {
  std::string name;                     // upper case: "TEL"
  std::vector<std::string> types;       // TYPE values and bare parameters, upper case, sorted
  std::vector<std::string> parameters;  // any other, "NAME=value", sorted (LABEL=..., PREF=1)
  // A structured value's components (N, ADR, ORG), a list's items (CATEGORIES), else the one
  // value; line breaks as LF.
  std::vector<std::string> components;
  friend bool operator==(const CardProperty&, const CardProperty&) = default;
};

// The properties of one card between VERSION and END:VCARD, in their order. Reused from card
// to card: its entries keep their room.
class CardContent {
 public:
  void clear() { count_ = 0; }
  CardProperty& add(std::string_view name);
  std::size_t size() const { return count_; }
  const CardProperty& operator[](std::size_t i) const { return properties_[i]; }
  CardProperty& operator[](std::size_t i) { return properties_[i]; }

 private:
  std::vector<CardProperty> properties_;
  std::size_t count_ = 0;
};

// The property as a person would read it in a report: NAME;TYPES "value"; "component"...
std::string describe(const CardProperty& property);

// The first way `read` differs from `written`, in words for the report; none when they agree.
std::optional<std::string> difference(const CardContent& written, const CardContent& read);

// Sorts a property's kinds and parameters and upper-cases the kinds, as both sides compare
// them.
void normalise(CardProperty& property);

}  // namespace quillmere::core
