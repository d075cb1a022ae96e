#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <span>

namespace quillmere::source::xlsx {

// The bytes of one package part, read front to back. Throws WorkbookError when the part is
// damaged or larger than the limits allow.
class PartSource {
 public:
  virtual ~PartSource() = default;

  // Copies up to `capacity` bytes into `buffer`; 0 only at the end of the part.
  virtual std::size_t read(char* buffer, std::size_t capacity) = 0;

  // The next up to `wanted` bytes where they lie, for the reader to scan, and decode, in
  // place; empty only at the end of the part. A piece stays valid through the next call
  // (so that a construct split between two pieces can still be copied out of the first)
  // and no longer. Sources that keep no bytes of their own read into two buffers, in turn.
  virtual std::span<char> borrow(std::size_t wanted);

 private:
  std::array<std::unique_ptr<char[]>, 2> pieces_;
  std::array<std::size_t, 2> pieceBytes_{};
  std::size_t nextPiece_ = 0;
};

}  // namespace quillmere::source::xlsx
