#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/CardContent.h"
#include "core/VCardVersion.h"

namespace quillmere::core {

// Text that is no vCard as its version defines it; the message names the line.
class VCardReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ReadCard {
  VCardVersion version = VCardVersion::V21;
  CardContent content;  // every property between VERSION and END:VCARD
};

// A small, strict reader of the cards Quillmere writes, per version: CR LF line ends,
// unfolding (2.1 keeps the folding white space, 3.0 and 4.0 drop it; 2.1's quoted-printable
// soft line breaks), quoted-printable in UTF-8, each version's escapes and no others, TYPE=
// and bare parameters, RFC 6868 parameter values. Values come out as CardContent holds them.
class VCardReader {
 public:
  explicit VCardReader(std::string_view text) : text_(text) {}

  // Reads the next card into `card`; false at the end of the text. Throws VCardReadError.
  bool next(ReadCard& card);

 private:
  // The next logical line, unfolded; none at the end of the text.
  // `v21` unfolds as 2.1 does.
  std::optional<std::string_view> nextLine(bool v21);
  [[noreturn]] void fail(const std::string& what) const;

  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t lineNumber_ = 0;  // of the line last begun
  std::string unfolded_;
};

// Reads `record`, the text of one card, back as its version's reader would, and says the
// first way it differs from `written`; none when every property reads back as written.
std::optional<std::string> readBackDifference(std::string_view record, VCardVersion version,
                                              const CardContent& written);

}  // namespace quillmere::core
