#pragma once

#include <cstddef>

namespace quillmere::source::xlsx {

// The bytes of one package part, read front to back. Throws WorkbookError when the part is
// damaged or larger than the limits allow.
class PartSource {
 public:
  virtual ~PartSource() = default;

  // Copies up to `capacity` bytes into `buffer`; 0 only at the end of the part.
  virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
};

}  // namespace quillmere::source::xlsx
