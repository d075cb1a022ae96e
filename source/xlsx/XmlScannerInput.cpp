// The scanner's bytes: pieces borrowed from the part, and a carry buffer for a construct that
// crosses from one piece into the next.
#include <algorithm>
#include <cstring>

#include "source/xlsx/XmlScanner.h"

namespace quillmere::source::xlsx {

void XmlScanner::reset(PartSource* source) {
  source_ = source;
  base_ = nullptr;
  pos_ = end_ = 0;
  piece_ = {};
  inCarry_ = softEnd_ = false;
  pieceAt_ = copied_ = 0;
  sourceEnded_ = false;
  start_ = Start::Nothing;
  place_ = Place::Prolog;
  openNames_.clear();
  openStarts_.clear();
}

std::span<char> XmlScanner::borrowPiece() {
  if (sourceEnded_) return {};
  const std::span<char> piece = source_->borrow(chunkBytes_);
  if (piece.empty()) {
    sourceEnded_ = true;
  } else {
    piece_ = piece;
  }
  return piece;
}

bool XmlScanner::reserveCarry(std::size_t bytes) {
  if (bytes <= carryCapacity_) return true;
  const std::size_t capacity = std::max(carryCapacity_ * 2, std::max<std::size_t>(bytes, 4096));
  auto grown = std::make_unique_for_overwrite<char[]>(capacity);
  if (end_ > 0 && inCarry_) std::memcpy(grown.get(), carry_.get(), end_);
  carry_ = std::move(grown);
  carryCapacity_ = capacity;
  if (inCarry_) base_ = carry_.get();
  return true;
}

bool XmlScanner::refill() {
  if (!inCarry_) {
    const std::size_t tail = end_ - pos_;
    if (tail == 0) {
      const std::span<char> piece = borrowPiece();
      if (piece.empty()) return false;
      base_ = piece.data();
      pos_ = 0;
      end_ = piece.size();
      return true;
    }
    // The construct at pos_ goes on in the next piece: copy it out while this one is valid.
    reserveCarry(tail);
    std::memcpy(carry_.get(), base_ + pos_, tail);
    base_ = carry_.get();
    inCarry_ = true;
    pos_ = 0;
    end_ = tail;
    pieceAt_ = 0;
    copied_ = piece_.size();
  }
  return extendCarry();
}

bool XmlScanner::extendCarry() {
  if (pos_ > 0) {
    std::memmove(carry_.get(), carry_.get() + pos_, end_ - pos_);
    end_ -= pos_;
    pieceAt_ -= std::min(pieceAt_, pos_);
    pos_ = 0;
  }
  if (end_ >= kMaxConstructBytes) return false;
  // A construct still open is scanned again from its start: adding at least as much again as
  // it holds keeps that linear, and a little more than a short one needs keeps copies short.
  constexpr std::size_t kLeastStepBytes = 256;
  const std::size_t want = std::max(end_, kLeastStepBytes);
  std::size_t added = 0;
  while (added < want) {
    if (copied_ == piece_.size()) {
      if (borrowPiece().empty()) break;
      pieceAt_ = end_;
      copied_ = 0;
    }
    const std::size_t count = std::min(want - added, piece_.size() - copied_);
    reserveCarry(end_ + count);
    std::memcpy(carry_.get() + end_, piece_.data() + copied_, count);
    copied_ += count;
    end_ += count;
    added += count;
  }
  softEnd_ = copied_ < piece_.size();
  return added > 0;
}

void XmlScanner::leaveCarry() {
  base_ = piece_.data();
  pos_ -= pieceAt_;
  end_ = piece_.size();
  inCarry_ = softEnd_ = false;
}

}  // namespace quillmere::source::xlsx
