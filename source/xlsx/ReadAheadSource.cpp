#include "source/xlsx/ReadAheadSource.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quillmere::source::xlsx {

ReadAheadSource::ReadAheadSource(std::unique_ptr<PartSource> inner, std::size_t blockBytes,
                                 std::size_t blocks)
    : inner_(std::move(inner)),
      blockBytes_(std::max<std::size_t>(blockBytes, 1)),
      blocks_(std::max<std::size_t>(blocks, 2)) {
  for (Block& block : blocks_)
    block.bytes = std::make_unique_for_overwrite<char[]>(blockBytes_);
  worker_ = std::thread([this] { fill(); });
}

ReadAheadSource::~ReadAheadSource() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void ReadAheadSource::fill() {
  for (;;) {
    Block* block = nullptr;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return stopping_ || filled_ - taken_ < blocks_.size(); });
      if (stopping_) return;
      block = &blocks_[filled_ % blocks_.size()];
    }
    // The block is the worker's alone until it is counted as filled.
    std::exception_ptr failure;
    std::size_t size = 0;
    try {
      // A short read is no end: only 0 is. Filling whole blocks keeps the hand-overs few.
      while (size < blockBytes_) {
        const std::size_t got = inner_->read(block->bytes.get() + size, blockBytes_ - size);
        if (got == 0) break;
        size += got;
      }
    } catch (...) {
      failure = std::current_exception();
    }
    block->size = size;
    {
      const std::lock_guard lock(mutex_);
      ++filled_;
      if (size < blockBytes_ || failure) {
        ended_ = true;
        failure_ = failure;
      }
    }
    changed_.notify_all();
    if (size < blockBytes_ || failure) return;
  }
}

void ReadAheadSource::handBack(std::size_t upTo) {
  {
    const std::lock_guard lock(mutex_);
    if (upTo <= taken_) return;
    taken_ = upTo;
  }
  changed_.notify_all();
}

ReadAheadSource::Block* ReadAheadSource::currentBlock(std::size_t keep) {
  for (;;) {
    if (done_) {
      // Only the last block, short or empty, or a failure ends the part.
      const std::lock_guard lock(mutex_);
      if (failure_) std::rethrow_exception(failure_);
      return nullptr;
    }
    Block* block = nullptr;
    bool last = false;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return filled_ > current_; });
      block = &blocks_[current_ % blocks_.size()];
      last = ended_ && filled_ == current_ + 1;
    }
    if (offset_ < block->size) return block;
    // This block is read to its end: move on, and hand back what is no longer needed.
    offset_ = 0;
    if (last) {
      done_ = true;
      continue;
    }
    ++current_;
    handBack(std::min(current_, keep));
  }
}

std::size_t ReadAheadSource::read(char* buffer, std::size_t capacity) {
  if (capacity == 0) return 0;
  handBack(current_);
  Block* block = currentBlock(SIZE_MAX);
  if (block == nullptr) return 0;
  const std::size_t count = std::min(capacity, block->size - offset_);
  std::memcpy(buffer, block->bytes.get() + offset_, count);
  offset_ += count;
  return count;
}

std::span<char> ReadAheadSource::borrow(std::size_t wanted) {
  if (wanted == 0) return {};
  // The piece lent last time stays valid through this call, so its block is kept.
  handBack(lent_);
  Block* block = currentBlock(lent_);
  if (block == nullptr) return {};
  lent_ = current_;
  const std::size_t count = std::min(wanted, block->size - offset_);
  const std::span<char> piece(block->bytes.get() + offset_, count);
  offset_ += count;
  return piece;
}

}  // namespace quillmere::source::xlsx
