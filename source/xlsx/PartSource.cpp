#include "source/xlsx/PartSource.h"

namespace quillmere::source::xlsx {

std::span<char> PartSource::borrow(std::size_t wanted) {
  const std::size_t slot = nextPiece_;
  nextPiece_ ^= 1;
  if (pieceBytes_[slot] < wanted) {
    pieces_[slot] = std::make_unique_for_overwrite<char[]>(wanted);
    pieceBytes_[slot] = wanted;
  }
  return {pieces_[slot].get(), read(pieces_[slot].get(), wanted)};
}

}  // namespace quillmere::source::xlsx
