#include "core/DuplicateIndex.h"

namespace quillmere::core {

namespace {

constexpr std::size_t kFirstSlots = 1024;

}  // namespace

std::size_t DuplicateIndex::slotOf(std::uint64_t key) const {
  // The keys are well-mixed hashes, so their low bits spread over the table; linear probing
  // then finds the key or the empty slot where it belongs.
  const std::size_t mask = keys_.size() - 1;
  std::size_t slot = static_cast<std::size_t>(key) & mask;
  while (rows_[slot] != 0 && keys_[slot] != key)
    slot = (slot + 1) & mask;
  return slot;
}

std::uint32_t DuplicateIndex::firstRow(std::uint64_t key, std::uint32_t row) {
  if ((count_ + 1) * 4 > keys_.size() * 3) grow();
  const std::size_t slot = slotOf(key);
  if (rows_[slot] != 0) return rows_[slot];
  keys_[slot] = key;
  rows_[slot] = row;
  ++count_;
  return 0;
}

void DuplicateIndex::grow() {
  std::vector<std::uint64_t> keys = std::move(keys_);
  std::vector<std::uint32_t> rows = std::move(rows_);
  const std::size_t slots = keys.empty() ? kFirstSlots : keys.size() * 2;
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
