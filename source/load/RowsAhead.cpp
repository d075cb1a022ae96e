#include "source/load/RowsAhead.h"

namespace quillmere::source {

RowsAhead::RowsAhead(SheetReader& sheet) : sheet_(sheet) {
  sheet_.rewind();
  start();
}

void RowsAhead::start() {
  startThread(thread_, [this](const std::stop_token& stop) {
    const auto read = [&](RowBatch& batch) { return this->read(batch, stop); };
    for (std::size_t number = 0; batches_.fill(number, stop, read); ++number) {
    }
  });
}

void RowsAhead::stop() {
  if (thread_.joinable()) {
    thread_.request_stop();
    thread_.join();
  }
  batches_.reset();
  taken_ = 0;
  batch_ = nullptr;
}

bool RowsAhead::read(RowBatch& batch, const std::stop_token& stop) {
  batch.clear();
  try {
    while (!batch.full()) {
      if (stop.stop_requested()) break;
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
  return !batch.ended;
}

bool RowsAhead::nextRow() {
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
      batches_.giveBack(++taken_);
      if (failure) {
        failure_ = failure;
        std::rethrow_exception(failure_);
      }
      if (ended) {
        atEnd_ = true;
        return false;
      }
    }
    if (!thread_.joinable()) {
      batches_.fill(taken_, {}, [this](RowBatch& batch) { return read(batch, {}); });
    }
    batch_ = batches_.take(taken_);
    row_ = static_cast<std::size_t>(-1);  // the first row comes next
  }
}

void RowsAhead::rewind() {
  // Nothing taken yet: the rows are still read from the start, as a rewind would again.
  if (batch_ == nullptr && taken_ == 0 && !atEnd_ && !failure_) return;
  stop();
  sheet_.rewind();
  failure_ = nullptr;
  rowNumber_ = 0;
  atEnd_ = false;
  start();
}

}  // namespace quillmere::source
