#include "core/RecordsAhead.h"

#include <utility>

#include "core/VCardRecord.h"
#include "source/load/DataRowWalk.h"

namespace quillmere::core {

RecordsAhead::RecordsAhead(std::unique_ptr<source::SheetReader> cursor, const ExportJob& job)
    : cursor_(std::move(cursor)), job_(job), reader_(job) {}

RecordsAhead::~RecordsAhead() {
  stop();
}

void RecordsAhead::start(std::uint32_t after, const OptionAnswers& answers) {
  stop();
  answers_ = answers;
  ended_ = false;
  worker_ = std::thread([this, after] { build(after); });
}

void RecordsAhead::stop() {
  if (worker_.joinable()) {
    stopping_.store(true);
    changed_.notify_all();
    worker_.join();
  }
  stopping_.store(false);
  filled_ = taken_ = 0;
  batch_ = nullptr;
  ended_ = true;
}

void RecordsAhead::build(std::uint32_t after) {
  FixedAnswers options(answers_);
  const std::string version = answers_.vCardVersion;
  const source::SheetTable& table = job_.table;
  bool ended = false;
  try {
    cursor_->rewind();
    source::DataRowWalk rows(
        table.headers.size(), table.headerRow,
        table.rowsCounted ? table.lastCountedRow : source::DataRowWalk::kNoLastRow);
    while (!ended) {
      Batch* batch = nullptr;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stopping_.load() || filled_ - taken_ < kBatches; });
        if (stopping_.load()) return;
        batch = &batches_[filled_ % kBatches];
      }
      // The batch is this thread's alone until it is counted as built.
      batch->count = 0;
      while (batch->count < kRowsPerBatch) {
        if (!rows.next(*cursor_)) {
          ended = true;
          break;
        }
        if (cursor_->rowNumber() <= after) continue;
        BuiltRow& built = batch->rows[batch->count++];
        built.sheetRow = cursor_->rowNumber();
        built.dropped = reader_.read(*cursor_, options, built.values);
        built.record.clear();
        if (!built.dropped) appendRecord(built.record, built.values, version);
      }
      batch->ended = ended;
      {
        const std::lock_guard lock(mutex_);
        ++filled_;
      }
      changed_.notify_all();
    }
  } catch (...) {
    // The run reads and builds the rest itself, and meets the same failure there.
    const std::lock_guard lock(mutex_);
    Batch& batch = batches_[filled_ % kBatches];
    batch.count = 0;
    batch.ended = true;
    ++filled_;
    changed_.notify_all();
  }
}

const BuiltRow* RecordsAhead::next() {
  for (;;) {
    if (ended_) return nullptr;
    if (batch_ != nullptr) {
      if (++row_ < batch_->count) return &batch_->rows[row_];
      const bool ended = batch_->ended;
      batch_ = nullptr;
      {
        const std::lock_guard lock(mutex_);
        ++taken_;
      }
      changed_.notify_all();
      if (ended) {
        ended_ = true;
        return nullptr;
      }
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return filled_ > taken_; });
    batch_ = &batches_[taken_ % kBatches];
    row_ = static_cast<std::size_t>(-1);  // its first row comes next
  }
}

}  // namespace quillmere::core
