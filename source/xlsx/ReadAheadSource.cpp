#include "source/xlsx/ReadAheadSource.h"

#include <algorithm>
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

std::size_t ReadAheadSource::read(char* buffer, std::size_t capacity) {
  if (capacity == 0) return 0;
  for (;;) {
    if (done_) {
      // Only the last block, short or empty, or a failure ends the part.
      const std::lock_guard lock(mutex_);
      if (failure_) std::rethrow_exception(failure_);
      return 0;
    }
    Block* block = nullptr;
    bool last = false;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return filled_ > taken_; });
      block = &blocks_[taken_ % blocks_.size()];
      last = ended_ && filled_ == taken_ + 1;
    }
    if (offset_ < block->size) {
      const std::size_t count = std::min(capacity, block->size - offset_);
      std::memcpy(buffer, block->bytes.get() + offset_, count);
      offset_ += count;
      return count;
    }
    // This block is read to its end: hand it back for filling.
    offset_ = 0;
    if (last) {
      done_ = true;
      continue;
    }
    {
      const std::lock_guard lock(mutex_);
      ++taken_;
    }
    changed_.notify_all();
  }
}

}  // namespace quillmere::source::xlsx
