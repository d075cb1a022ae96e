#pragma once

#include <optional>

#include "source/numfmt/FormatSection.h"
#include "source/numfmt/SectionLexer.h"

namespace quillmere::source::numfmt {

// Gives each token its part (integer or decimal digit, numerator, minute or month ...) and
// settles the section's kind. Nothing when the tokens make no section a spreadsheet shows:
// digit placeholders among date codes, "@" beside digits, a decimal point in a fraction.
std::optional<FormatSection> buildSection(const LexedSection& lexed);

}  // namespace quillmere::source::numfmt
