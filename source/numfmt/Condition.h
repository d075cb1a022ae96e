#pragma once

#include <cstdint>

namespace quillmere::source::numfmt {

enum class Comparison : std::uint8_t {
  Less,
  LessOrEqual,
  Equal,
  NotEqual,
  GreaterOrEqual,
  Greater
};

// A section's condition such as [>100] or [<=0]: it picks the section, it is never shown.
struct Condition {
  Comparison comparison = Comparison::Equal;
  double operand = 0.0;

  bool holdsFor(double value) const {
    switch (comparison) {
      case Comparison::Less:
        return value < operand;
      case Comparison::LessOrEqual:
        return value <= operand;
      case Comparison::Equal:
        return value == operand;
      case Comparison::NotEqual:
        return value != operand;
      case Comparison::GreaterOrEqual:
        return value >= operand;
      case Comparison::Greater:
        return value > operand;
    }
    return false;
  }

  // [<0] and [<=0] mark a section for the negative numbers, whose literals carry the sign.
  bool marksNegatives() const {
    return (comparison == Comparison::Less || comparison == Comparison::LessOrEqual) &&
           operand == 0.0;
  }
};

}  // namespace quillmere::source::numfmt
