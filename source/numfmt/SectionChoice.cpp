#include "source/numfmt/SectionChoice.h"

namespace quillmere::source::numfmt {

namespace {

SectionChoice byCondition(std::span<const FormatSection> sections, double value) {
  const bool negative = value < 0;
  for (std::size_t i = 0; i < sections.size() && i < 2; ++i) {
    const auto& condition = sections[i].condition;
    if (!condition) return {&sections[i], negative && i == 0};
    if (condition->holdsFor(value)) return {&sections[i], negative && !condition->marksNegatives()};
  }
  if (sections.size() == 3) return {&sections[2], negative};
  return {};
}

}  // namespace

SectionChoice chooseSection(std::span<const FormatSection> sections, double value) {
  if (sections.empty()) return {};
  if (sections[0].condition || (sections.size() >= 2 && sections[1].condition)) {
    return byCondition(sections, value);
  }
  if (sections.size() == 1) return {&sections[0], value < 0};
  if (value < 0) return {&sections[1], false};
  if (value == 0 && sections.size() == 3) return {&sections[2], false};
  return {&sections[0], false};
}

}  // namespace quillmere::source::numfmt
