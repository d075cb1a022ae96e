#include "source/xlsx/MemoryPartSource.h"

#include <algorithm>
#include <cstring>

namespace quillmere::source::xlsx {

std::size_t MemoryPartSource::read(char* buffer, std::size_t capacity) {
  const std::size_t count = std::min(capacity, data_.size() - position_);
  if (count > 0) std::memcpy(buffer, data_.data() + position_, count);
  position_ += count;
  return count;
}

}  // namespace quillmere::source::xlsx
