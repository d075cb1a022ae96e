#pragma once

#include <string_view>

namespace quillmere::source::csv {

// Records looked at when guessing the separator.
inline constexpr int kSeparatorSampleRecords = 20;

// Guesses the field separator (',', ';' or TAB) from the opening text of a file. Each
// candidate is counted outside quotes per record; one that occurs equally often in every
// record wins, the most frequent such one first; comma when nothing is conclusive.
// `complete` says that `sample` is the whole file, so its last record is whole too.
char detectSeparator(std::string_view sample, bool complete);

}  // namespace quillmere::source::csv
