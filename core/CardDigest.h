#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/CardContent.h"

// Inlined: the values hashed are short, where a call's cost would be most of the work.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace quillmere::core {

namespace digest {

// One multiplication and a rotation: enough to tell a card read back otherwise from the one
// written, which is all the digest is for; it is no defence against made-up collisions.
inline std::uint64_t fold(std::uint64_t hash, std::uint64_t value) {
  const std::uint64_t x = (hash ^ value) * 0x9e3779b97f4a7c15ULL;
  return (x << 27) | (x >> 37);
}

inline std::uint64_t hashOf(std::string_view text) {
  return XXH3_64bits(text.data(), text.size());
}

// Whether `text` holds a CR, eight bytes at a time: values are mostly too short for a call to
// look faster than the look itself.
inline bool holdsCr(std::string_view text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  // A word's bytes equal to CR made zero, and a zero byte found as one that borrows.
  const auto anyCr = [](std::uint64_t word) {
    const std::uint64_t x = word ^ (kOnes * '\r');
    return ((x - kOnes) & ~x & (kOnes * 0x80)) != 0;
  };
  if (text.size() < 8) return text.find('\r') != std::string_view::npos;
  std::uint64_t word = 0;
  for (std::size_t at = 0; at + 8 <= text.size(); at += 8) {
    std::memcpy(&word, text.data() + at, 8);
    if (anyCr(word)) return true;
  }
  std::memcpy(&word, text.data() + text.size() - 8, 8);
  return anyCr(word);
}

// A name or kind of up to fifteen bytes, upper-cased, in two words mixed into one ("INTERNET"
// is eight); 0 for a longer one.
inline std::uint64_t shortWord(std::string_view text) {
  if (text.size() > 15) return 0;
  std::uint64_t words[2] = {text.size(), 0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto upper = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    words[(i + 1) / 8] |= std::uint64_t{upper} << (8 * ((i + 1) % 8));
  }
  return words[0] * 0xff51afd7ed558ccdULL ^ words[1] * 0xc4ceb9fe1a85ec53ULL;
}

}  // namespace digest

// A card's properties as one 64-bit number: equal cards give equal digests, kinds and
// parameters in any order. Kept by a writer and made by a quick reader, so a card is read
// back whole without its values being copied; only where they differ is it read again
// property by property, to say how.
class CardDigest final : public CardExpectation {
 public:
  void clear() { card_ = 0; }
  std::uint64_t value() const { return card_; }

  void property(std::string_view name) override {
    const std::uint64_t word = digest::shortWord(name);
    name_ = word != 0 ? word : digest::hashOf(name);
    types_ = parameters_ = 0;
    components_ = kComponentsStart;
  }
  void type(std::string_view type) override {  // in any case
    // A sum, so the kinds may come in any order.
    const std::uint64_t word = digest::shortWord(type);
    types_ += word != 0 ? word : longType(type);
  }
  void parameter(std::string_view name, std::string_view value) override;
  // A head's name and kinds are hashed once, the first time a writer gives them.
  bool knownHead(std::size_t key) override {
    if (key >= 64 || (knownHeads_ >> key & 1) == 0) return false;
    components_ = kComponentsStart;
    name_ = heads_[key].name;
    types_ = heads_[key].types;
    parameters_ = heads_[key].parameters;
    return true;
  }
  void remember(std::size_t key) override {
    if (key >= 64) return;
    heads_[key] = {name_, types_, parameters_};
    knownHeads_ |= std::uint64_t{1} << key;
  }
  using CardExpectation::component;
  void component(std::initializer_list<std::string_view> pieces) override {
    if (pieces.size() != 1) return componentInPieces(pieces);
    components_ = digest::fold(components_, hashAsRead(*pieces.begin()));
  }
  void endProperty() override {
    using digest::fold;
    const std::uint64_t property =
        fold(fold(fold(name_, types_ * 0x13198a2e03707345ULL), parameters_ * 0xa4093822299f31d1ULL),
             components_);
    card_ = fold(card_, property);
  }

  // A component given in runs, as a reader undoes its escapes: the digest is the same however
  // its text is cut into runs. A lone run is hashed where it lies, without being copied.
  void beginComponent() {
    run_ = {};
    gathering_ = false;
  }
  void bytes(std::string_view run) {
    if (run.empty()) return;
    if (!gathering_ && run_.empty()) {
      run_ = run;
      return;
    }
    gather(run);
  }
  void endComponent() {
    const std::string_view whole = gathering_ ? gathered_ : run_;
    components_ =
        digest::fold(components_, runsMayHoldCr_ ? hashAsRead(whole) : digest::hashOf(whole));
  }
  // Whether the runs to come may hold a CR, to be read as a line break; a reader that cut its
  // lines at each CR knows they do not, and saves looking.
  void runsMayHoldCr(bool may) { runsMayHoldCr_ = may; }

 private:
  static constexpr std::uint64_t kComponentsStart = 0x452821e638d01377ULL;

  std::uint64_t longType(std::string_view type);
  void gather(std::string_view run);
  void componentInPieces(std::initializer_list<std::string_view> pieces);
  // The hash of `text` with CR LF and lone CR as LF, as a reader gives a value back.
  std::uint64_t hashAsRead(std::string_view text) {
    return digest::holdsCr(text) ? hashOfBreaksAsRead(text) : digest::hashOf(text);
  }
  std::uint64_t hashOfBreaksAsRead(std::string_view text);

  std::uint64_t card_ = 0;
  std::uint64_t name_ = 0, types_ = 0, parameters_ = 0, components_ = 0;
  struct Head {
    std::uint64_t name = 0, types = 0, parameters = 0;
  };
  std::array<Head, 64> heads_{};
  std::uint64_t knownHeads_ = 0;
  std::string_view run_;  // the component's only run so far
  std::string gathered_;  // its runs one after another, once it has more than one
  std::string scratch_;   // a text upper-cased, or with its line breaks as LF
  bool gathering_ = false;
  bool runsMayHoldCr_ = true;
};

}  // namespace quillmere::core
