#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
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

// Sorts a property's kinds and parameters and upper-cases the kinds, as both sides compare
// them.
void normalise(CardProperty& property);

// What a writer says a card holds, property by property, for a reader's view of it to be
// checked against. Line breaks of any form in a value or parameter are one LF.
class CardExpectation {
 public:
  virtual ~CardExpectation() = default;
  virtual void property(std::string_view name) = 0;
  virtual void type(std::string_view type) = 0;
  virtual void parameter(std::string_view name, std::string_view value) = 0;
  // One component made of `pieces` one after another.
  virtual void component(std::initializer_list<std::string_view> pieces) = 0;
  void component(std::string_view value) { component({value}); }
  virtual void endProperty() = 0;

  // A writer's property whose name and kinds are the same in every card that has it, `key`
  // (below 64) saying which: true when the expectation took them as it kept them under that
  // key, else the writer gives them one by one and then says remember(key).
  virtual bool knownHead(std::size_t /*key*/) { return false; }
  virtual void remember(std::size_t /*key*/) {}
};

// The properties of one card between VERSION and END:VCARD, in their order. Reused from card
// to card: its entries keep their room.
class CardContent : public CardExpectation {
 public:
  void clear() { count_ = 0; }
  CardProperty& add(std::string_view name);
  void property(std::string_view name) override { current_ = &add(name); }
  void type(std::string_view type) override { current_->types.emplace_back(type); }
  void parameter(std::string_view name, std::string_view value) override;
  using CardExpectation::component;
  void component(std::initializer_list<std::string_view> pieces) override;
  void endProperty() override { normalise(*current_); }
  std::size_t size() const { return count_; }
  const CardProperty& operator[](std::size_t i) const { return properties_[i]; }
  CardProperty& operator[](std::size_t i) { return properties_[i]; }

 private:
  std::vector<CardProperty> properties_;
  std::size_t count_ = 0;
  CardProperty* current_ = nullptr;
};

// Appends `value` with CR LF and lone CR as LF, as a reader gives a value back.
void appendAsRead(std::string& out, std::string_view value);

// The property as a person would read it in a report: NAME;TYPES "value"; "component"...
std::string describe(const CardProperty& property);

// The first way `read` differs from `written`, in words for the report; none when they agree.
std::optional<std::string> difference(const CardContent& written, const CardContent& read);

}  // namespace quillmere::core
