#include "source/xlsx/BytesAhead.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quillmere::source::xlsx {

BytesAhead::BytesAhead(std::unique_ptr<PartSource> inner, std::size_t batchBytes,
                       std::size_t batches)
    : inner_(std::move(inner)),
      batchBytes_(std::max<std::size_t>(batchBytes, 1)),
      batches_(std::max<std::size_t>(batches, 2)) {
  // Every place's bytes, before any batch is filled.
  for (std::size_t place = 0; place < batches_.places(); ++place) {
    batches_.room(place)->bytes = std::make_unique_for_overwrite<char[]>(batchBytes_);
  }
  startThread(thread_, [this](const std::stop_token& stop) {
    const auto fill = [this](Batch& batch) { return this->fill(batch); };
    for (std::size_t number = 0; batches_.fill(number, stop, fill); ++number) {
    }
  });
}

bool BytesAhead::fill(Batch& batch) {
  batch.size = 0;
  batch.failure = nullptr;
  try {
    // A short read is no end: only 0 is. Filling whole batches keeps the hand-overs few.
    while (batch.size < batchBytes_) {
      const std::size_t got =
          inner_->read(batch.bytes.get() + batch.size, batchBytes_ - batch.size);
      if (got == 0) break;
      batch.size += got;
    }
  } catch (...) {
    batch.failure = std::current_exception();
  }
  return batch.size == batchBytes_ && !batch.failure;
}

void BytesAhead::handBack(std::size_t upTo) {
  if (upTo <= handedBack_) return;
  handedBack_ = upTo;
  batches_.giveBack(upTo);
}

BytesAhead::Batch* BytesAhead::currentBatch(std::size_t keep) {
  for (;;) {
    if (done_) {
      // Only the last batch, short or empty, or a failure ends the part.
      if (failure_) std::rethrow_exception(failure_);
      return nullptr;
    }
    if (batch_ == nullptr) {
      if (!thread_.joinable()) {
        batches_.fill(current_, {}, [this](Batch& batch) { return fill(batch); });
      }
      batch_ = batches_.take(current_);
    }
    if (offset_ < batch_->size) return batch_;
    // This batch is read to its end: move on, and hand back what is no longer needed.
    offset_ = 0;
    if (batch_->size < batchBytes_ || batch_->failure) {
      failure_ = batch_->failure;
      done_ = true;
      continue;
    }
    batch_ = nullptr;
    ++current_;
    handBack(std::min(current_, keep));
  }
}

std::size_t BytesAhead::read(char* buffer, std::size_t capacity) {
  if (capacity == 0) return 0;
  handBack(current_);
  Batch* batch = currentBatch(SIZE_MAX);
  if (batch == nullptr) return 0;
  const std::size_t count = std::min(capacity, batch->size - offset_);
  std::memcpy(buffer, batch->bytes.get() + offset_, count);
  offset_ += count;
  return count;
}

std::span<char> BytesAhead::borrow(std::size_t wanted) {
  if (wanted == 0) return {};
  // The piece lent last time stays valid through this call, so its batch is kept.
  handBack(lent_);
  Batch* batch = currentBatch(lent_);
  if (batch == nullptr) return {};
  lent_ = current_;
  const std::size_t count = std::min(wanted, batch->size - offset_);
  const std::span<char> piece(batch->bytes.get() + offset_, count);
  offset_ += count;
  return piece;
}

}  // namespace quillmere::source::xlsx
