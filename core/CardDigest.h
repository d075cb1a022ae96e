#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/CardContent.h"

namespace quillmere::core {

// A card's properties as one 64-bit number: equal cards give equal digests, kinds and
// parameters in any order. Kept by a writer and made by a quick reader, so a card is read
// back whole without its values being copied; only where they differ is it read again
// property by property, to say how.
class CardDigest final : public CardExpectation {
 public:
  void clear() { card_ = 0; }
  std::uint64_t value() const { return card_; }

  void property(std::string_view name) override;
  void type(std::string_view type) override;  // in any case
  void parameter(std::string_view name, std::string_view value) override;
  using CardExpectation::component;
  void component(std::initializer_list<std::string_view> pieces) override;
  void endProperty() override;

  // A component given in runs, as a reader undoes its escapes: the digest is the same however
  // its text is cut into runs. A lone run is hashed where it lies, without being copied.
  void beginComponent() {
    run_ = {};
    gathering_ = false;
  }
  void bytes(std::string_view run);
  void endComponent();
  // Whether the runs to come may hold a CR, to be read as a line break; a reader that cut its
  // lines at each CR knows they do not, and saves looking.
  void runsMayHoldCr(bool may) { runsMayHoldCr_ = may; }

 private:
  std::uint64_t card_ = 0;
  std::uint64_t name_ = 0, types_ = 0, parameters_ = 0, components_ = 0;
  std::string_view run_;  // the component's only run so far
  std::string gathered_;  // its runs one after another, once it has more than one
  std::string scratch_;   // a text upper-cased, or with its line breaks as LF
  bool gathering_ = false;
  bool runsMayHoldCr_ = true;
};

}  // namespace quillmere::core
