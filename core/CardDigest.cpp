#include "core/CardDigest.h"

#include <cstring>
#include <optional>

// Inlined: the values hashed are short, where a call's cost would be most of the work.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace quillmere::core {

namespace {

// One multiplication and a rotation: enough to tell a card read back otherwise from the one
// written, which is all the digest is for; it is no defence against made-up collisions.
std::uint64_t fold(std::uint64_t hash, std::uint64_t value) {
  const std::uint64_t x = (hash ^ value) * 0x9e3779b97f4a7c15ULL;
  return (x << 27) | (x >> 37);
}

std::uint64_t hashOf(std::string_view text) {
  return XXH3_64bits(text.data(), text.size());
}

// The hash of `text` with CR LF and lone CR as LF, as a reader gives a value back.
std::uint64_t hashAsRead(std::string_view text, std::string& scratch) {
  if (text.empty() || std::memchr(text.data(), '\r', text.size()) == nullptr) return hashOf(text);
  scratch.clear();
  appendAsRead(scratch, text);
  return hashOf(scratch);
}

// A short name or kind, upper-cased, in one word: properties and kinds are mostly that.
std::optional<std::uint64_t> shortWord(std::string_view text) {
  if (text.size() > 7) return std::nullopt;
  std::uint64_t word = text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto upper = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    word |= std::uint64_t{upper} << (8 * (i + 1));
  }
  return word * 0xff51afd7ed558ccdULL;
}

}  // namespace

void CardDigest::property(std::string_view name) {
  const auto word = shortWord(name);
  name_ = word ? *word : hashOf(name);
  types_ = parameters_ = 0;
  components_ = 0x452821e638d01377ULL;
}

void CardDigest::type(std::string_view type) {
  // A sum, so the kinds may come in any order.
  if (const auto word = shortWord(type)) {
    types_ += *word;
    return;
  }
  scratch_.clear();
  for (const char c : type)
    scratch_ += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  types_ += hashOf(scratch_);
}

void CardDigest::parameter(std::string_view name, std::string_view value) {
  gathered_.assign(name);
  gathered_ += '=';
  gathered_ += value;
  // A sum, so the parameters may come in any order.
  parameters_ += hashAsRead(gathered_, scratch_);
}

void CardDigest::bytes(std::string_view run) {
  if (run.empty()) return;
  if (!gathering_) {
    if (run_.empty()) {
      run_ = run;
      return;
    }
    gathered_.assign(run_);
    gathering_ = true;
  }
  gathered_ += run;
}

void CardDigest::endComponent() {
  const std::string_view whole = gathering_ ? gathered_ : run_;
  components_ = fold(components_, runsMayHoldCr_ ? hashAsRead(whole, scratch_) : hashOf(whole));
}

void CardDigest::component(std::initializer_list<std::string_view> pieces) {
  if (pieces.size() == 1) {
    components_ = fold(components_, hashAsRead(*pieces.begin(), scratch_));
    return;
  }
  beginComponent();
  for (const std::string_view piece : pieces)
    bytes(piece);
  endComponent();
}

void CardDigest::endProperty() {
  const std::uint64_t property =
      fold(fold(fold(name_, types_ * 0x13198a2e03707345ULL), parameters_ * 0xa4093822299f31d1ULL),
           components_);
  card_ = fold(card_, property);
}

}  // namespace quillmere::core
