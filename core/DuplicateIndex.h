#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillmere::core {

// Remembers, for each 64-bit key, the first sheet row that had it: 12 bytes a slot in an
// open-addressed table kept at most four fifths full, so a million keys take about 14 MiB
// where a map of the strings would take hundreds.
class DuplicateIndex {
 public:
  // Room for `expectedKeys` from the start, so a table of known size never grows (growing
  // holds the old table and the new one at once).
  explicit DuplicateIndex(std::size_t expectedKeys = 0);

  // The first row seen with `key`; 0 when it is new, and `row` (never 0) is remembered.
  std::uint32_t firstRow(std::uint64_t key, std::uint32_t row);

  std::size_t size() const { return count_; }
  std::size_t slots() const { return keys_.size(); }

 private:
  std::size_t slotOf(std::uint64_t key) const;
  void resize(std::size_t slots);

  std::vector<std::uint64_t> keys_;
  std::vector<std::uint32_t> rows_;  // 0 marks an empty slot
  std::size_t count_ = 0;
};

}  // namespace quillmere::core
