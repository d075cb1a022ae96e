#pragma once

#include <filesystem>

#include "source/ReadLimits.h"

namespace quillmere::fuzz {

// Limits that keep one fuzz input to a few MiB and a fraction of a second while still
// reaching every limit check.
source::ReadLimits fuzzLimits();

// Opens the file through openWorkbook, reads every row of the first sheet and every cell's
// text form and displayed text, rewinds and reads it all again. A WorkbookError is a proper answer;
// any other exception escapes and is a finding.
void readEveryCell(const std::filesystem::path& file, const source::ReadLimits& limits);

}  // namespace quillmere::fuzz
