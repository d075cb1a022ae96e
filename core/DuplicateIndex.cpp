#include "core/DuplicateIndex.h"

#include <algorithm>

namespace quillmere::core {

namespace {

constexpr std::size_t kFewestSlots = 1024;

// Slots for `keys` keys at four fifths full.
std::size_t slotsFor(std::size_t keys) {
  return std::max(kFewestSlots, keys + keys / 4 + 1);
}

}  // namespace

DuplicateIndex::DuplicateIndex(std::size_t expectedKeys) {
  resize(slotsFor(expectedKeys));
}

std::size_t DuplicateIndex::slotOf(std::uint64_t key) const {
  // The keys are well-mixed hashes, so their remainder spreads them evenly over a table of
  // any size. Linear probing then finds the key or the empty slot where it belongs.
  const std::size_t slots = keys_.size();
  std::size_t slot = static_cast<std::size_t>(key % slots);
  while (rows_[slot] != 0 && keys_[slot] != key) {
    if (++slot == slots) slot = 0;
  }
  return slot;
}

std::uint32_t DuplicateIndex::firstRow(std::uint64_t key, std::uint32_t row) {
  const std::size_t slot = slotOf(key);
  if (rows_[slot] != 0) return rows_[slot];
  keys_[slot] = key;
  rows_[slot] = row;
  ++count_;
  if (count_ * 5 > keys_.size() * 4) resize(keys_.size() * 2);
  return 0;
}

void DuplicateIndex::resize(std::size_t slots) {
  std::vector<std::uint64_t> keys = std::move(keys_);
  std::vector<std::uint32_t> rows = std::move(rows_);
  keys_.assign(slots, 0);
  rows_.assign(slots, 0);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (rows[i] != 0) {
      const std::size_t slot = slotOf(keys[i]);
      keys_[slot] = keys[i];
      rows_[slot] = rows[i];
    }
  }
}

}  // namespace quillmere::core
