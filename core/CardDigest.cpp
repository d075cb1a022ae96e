#include "core/CardDigest.h"

namespace quillmere::core {

using digest::fold;
using digest::hashOf;

std::uint64_t CardDigest::hashOfBreaksAsRead(std::string_view text) {
  scratch_.clear();
  appendAsRead(scratch_, text);
  return hashOf(scratch_);
}

std::uint64_t CardDigest::longType(std::string_view type) {
  scratch_.clear();
  for (const char c : type)
    scratch_ += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return hashOf(scratch_);
}

void CardDigest::parameter(std::string_view name, std::string_view value) {
  gathered_.assign(name);
  gathered_ += '=';
  gathered_ += value;
  // A sum, so the parameters may come in any order.
  parameters_ += hashAsRead(gathered_);
}

void CardDigest::gather(std::string_view run) {
  if (!gathering_) {
    gathered_.assign(run_);
    gathering_ = true;
  }
  gathered_ += run;
}

void CardDigest::componentInPieces(std::initializer_list<std::string_view> pieces) {
  beginComponent();
  for (const std::string_view piece : pieces)
    bytes(piece);
  endComponent();
}

}  // namespace quillmere::core
