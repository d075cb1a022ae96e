#include "source/load/RowsAheadReader.h"

namespace quillmere::source {

RowsAheadReader::RowsAheadReader(SheetReader& sheet) : sheet_(sheet) {
  sheet_.rewind();
  start();
}

RowsAheadReader::~RowsAheadReader() {
  stop();
}

void RowsAheadReader::start() {
  try {
    worker_ = std::thread([this] { readAhead(); });
  } catch (...) {
    // No thread reads ahead, so no row will come: every later nextRow() says why instead.
    failure_ = std::current_exception();
    throw;
  }
}

void RowsAheadReader::fill(RowBatch& batch) {
  batch.clear();
  try {
    while (!batch.full()) {
      if (stopping_.load(std::memory_order_relaxed)) break;
      if (!sheet_.nextRow()) {
        batch.ended = true;
        break;
      }
      batch.add(sheet_);
    }
  } catch (...) {
    batch.failure = std::current_exception();
    batch.ended = true;
  }
  batch.seal();
}

void RowsAheadReader::readAhead() {
  for (;;) {
    RowBatch* batch = nullptr;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return stopping_.load() || filled_ - taken_ < kBatches; });
      if (stopping_.load()) return;
      batch = &batches_[filled_ % kBatches];
    }
    // The batch is this thread's alone until it is counted as filled.
    fill(*batch);
    if (stopping_.load()) return;
    {
      const std::lock_guard lock(mutex_);
      ++filled_;
    }
    changed_.notify_all();
    if (batch->ended) return;
  }
}

bool RowsAheadReader::nextRow() {
  if (failure_) std::rethrow_exception(failure_);
  if (atEnd_) return false;
  for (;;) {
    if (batch_ != nullptr) {
      if (++row_ < batch_->rows()) {
        rowNumber_ = batch_->number(row_);
        batch_->prefetchTexts(row_ + kRowsPrefetched);
        return true;
      }
      // The batch is read to its end: what follows its rows, then hand it back for filling.
      const std::exception_ptr failure = batch_->failure;
      const bool ended = batch_->ended;
      batch_ = nullptr;
      {
        const std::lock_guard lock(mutex_);
        ++taken_;
      }
      changed_.notify_all();
      if (failure) {
        failure_ = failure;
        std::rethrow_exception(failure_);
      }
      if (ended) {
        atEnd_ = true;
        return false;
      }
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return filled_ > taken_; });
    batch_ = &batches_[taken_ % kBatches];
    row_ = static_cast<std::size_t>(-1);  // the first row comes next
  }
}

void RowsAheadReader::stop() {
  if (worker_.joinable()) {
    {
      // Set under the lock, so the thread cannot miss it between its check and its wait.
      const std::lock_guard lock(mutex_);
      stopping_.store(true);
    }
    changed_.notify_all();
    worker_.join();
  }
  stopping_.store(false);
  filled_ = taken_ = 0;
  batch_ = nullptr;
}

void RowsAheadReader::rewind() {
  // Nothing taken yet: the thread is still reading from the start, as a rewind would again.
  if (worker_.joinable() && batch_ == nullptr && taken_ == 0 && !atEnd_ && !failure_) return;
  stop();
  sheet_.rewind();
  failure_ = nullptr;
  rowNumber_ = 0;
  atEnd_ = false;
  start();
}

}  // namespace quillmere::source
