#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "source/numfmt/FormatSection.h"

namespace quillmere::source::numfmt {

// Appends tokens and their text to a section being built; neighbouring literals merge.
class SectionWriter {
 public:
  explicit SectionWriter(FormatSection& section) : section_(section) {}

  void literal(std::string_view text) {
    if (text.empty()) return;
    auto& tokens = section_.tokens;
    if (!tokens.empty() && tokens.back().kind == TokenKind::Literal) {
      tokens.back().textLength = static_cast<std::uint16_t>(tokens.back().textLength + text.size());
    } else {
      tokens.push_back(textToken(TokenKind::Literal, text.size()));
    }
    section_.literals += text;
  }

  void add(TokenKind kind, char symbol = 0, std::uint8_t width = 0) {
    section_.tokens.push_back({kind, symbol, width, 0, 0});
  }

  void addText(TokenKind kind, std::string_view text) {
    section_.tokens.push_back(textToken(kind, text.size()));
    section_.literals += text;
  }

  // False once the text outgrows the 16-bit offsets of the tokens.
  bool fits() const { return section_.literals.size() <= kMaxLiteralBytes; }

 private:
  static constexpr std::size_t kMaxLiteralBytes = std::numeric_limits<std::uint16_t>::max();

  FormatToken textToken(TokenKind kind, std::size_t length) const {
    return {kind, 0, 0, static_cast<std::uint16_t>(section_.literals.size()),
            static_cast<std::uint16_t>(length)};
  }

  FormatSection& section_;
};

}  // namespace quillmere::source::numfmt
