#pragma once

#include <string>

#include "source/CellValue.h"

namespace quillmere::source {

// Plain decimal text with at most 15 significant digits, the shortest that rounds to them:
// 42 -> "42", 0.1+0.2 -> "0.3"; exponent form from 1E+15 up and below 1E-4 ("1E-05").
std::string formatNumber(double value, char decimalSeparator = '.');
// Appends the same text, for hot loops that reuse one buffer.
void appendNumber(std::string& out, double value, char decimalSeparator = '.');

// The text every caller works with: "" for empty, text unchanged, numbers as above,
// Booleans "True"/"False", an error cell its code.
std::string textForm(const CellValue& cell, char decimalSeparator = '.');

// Appends the text form, for hot loops that reuse one buffer.
void appendTextForm(std::string& out, const CellValue& cell, char decimalSeparator = '.');

}  // namespace quillmere::source
