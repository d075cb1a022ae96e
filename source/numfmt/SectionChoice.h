#pragma once

#include <span>

#include "source/numfmt/FormatSection.h"

namespace quillmere::source::numfmt {

struct SectionChoice {
  const FormatSection* section = nullptr;  // null when no section takes the number
  bool showsMinus = false;                 // the section shows the magnitude after a '-'
};

// Picks the section for a number among a code's number sections (one to three, the text
// section left out). One section takes every number and shows negatives with a '-'. Two or
// three split positive (and zero, with two), negative and zero; the negative one shows no
// '-' of its own, its literals carry the sign.
// With a condition on the first or second section, the first whose condition holds takes the
// number; what they refuse goes to the second section when it has no condition, else to the
// third, else nowhere. Such a section shows the '-' unless its condition is [<0] or [<=0] or
// it is the second section without a condition, which stands for the negative numbers.
SectionChoice chooseSection(std::span<const FormatSection> sections, double value);

}  // namespace quillmere::source::numfmt
