#include "core/RecordsAhead.h"

#include <utility>

#include "core/ContactRowReader.h"
#include "core/VCardRecord.h"
#include "source/load/DataRowWalk.h"

namespace quillmere::core {

RecordsAhead::RecordsAhead(std::unique_ptr<source::SheetReader> cursor, const ExportJob& job)
    : job_(job) {
  // Every format parsed before the builders read cells at once.
  cursor->cellFormats().parseAll();
  for (std::size_t builder = 1; builder < kBuilders; ++builder)
    cursors_[builder] = cursor->anotherCursor();
  cursors_[0] = std::move(cursor);
}

RecordsAhead::~RecordsAhead() {
  stop();
}

void RecordsAhead::start(std::uint32_t after, const OptionAnswers& answers) {
  stop();
  answers_ = answers;
  // Without a cursor for every builder nothing is built, and the run reads every row itself.
  for (const auto& cursor : cursors_) {
    if (cursor == nullptr) return;
  }
  ended_ = false;
  for (std::size_t builder = 0; builder < kBuilders; ++builder)
    builders_[builder] = std::thread([this, builder, after] { build(builder, after); });
}

void RecordsAhead::stop() {
  stopping_.store(true);
  changed_.notify_all();
  for (std::thread& builder : builders_) {
    if (builder.joinable()) builder.join();
  }
  stopping_.store(false);
  failed_ = false;
  for (Batch& batch : batches_)
    batch.number = 0;
  taken_ = 0;
  batch_ = nullptr;
  ended_ = true;
}

void RecordsAhead::markBuilt(Batch& batch, std::size_t number) {
  {
    const std::lock_guard lock(mutex_);
    batch.number = number;
  }
  changed_.notify_all();
}

void RecordsAhead::build(std::size_t builder, std::uint32_t after) {
  source::SheetReader& cursor = *cursors_[builder];
  FixedAnswers options(answers_);
  const std::string version = answers_.vCardVersion;
  ContactRowReader reader(job_);
  const source::SheetTable& table = job_.table;
  std::size_t number = builder;  // the batch being built, counted from 0
  try {
    cursor.rewind();
    source::DataRowWalk rows(
        table.headers.size(), table.headerRow,
        table.rowsCounted ? table.lastCountedRow : source::DataRowWalk::kNoLastRow);
    std::size_t index = 0;  // of the next data row after `after`
    for (;;) {
      Batch* batch = nullptr;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopping_.load() || number < taken_ + kBatches; });
        if (stopping_.load()) return;
        batch = &batches_[number % kBatches];
      }
      // The batch is this thread's alone until it is marked built.
      batch->count = 0;
      batch->ended = false;
      const std::size_t first = number * kRowsPerBatch;
      while (index < first + kRowsPerBatch) {
        if (!rows.next(cursor)) {
          batch->ended = true;
          break;
        }
        if (cursor.rowNumber() <= after) continue;
        // Rows of the other builders' batches are only walked past.
        if (index++ < first) continue;
        BuiltRow& built = batch->rows[batch->count++];
        built.sheetRow = cursor.rowNumber();
        built.dropped = reader.read(cursor, options, built.values);
        built.record.clear();
        if (!built.dropped) appendRecord(built.record, built.values, version);
      }
      const bool ended = batch->ended;
      markBuilt(*batch, number + 1);
      if (ended) return;
      number += kBuilders;
    }
  } catch (...) {
    // The run reads and builds the rest itself, and meets the same failure there.
    {
      const std::lock_guard lock(mutex_);
      failed_ = true;
    }
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
    Batch& batch = batches_[taken_ % kBatches];
    changed_.wait(lock, [&] { return batch.number == taken_ + 1 || failed_; });
    if (batch.number != taken_ + 1) {
      ended_ = true;
      return nullptr;
    }
    batch_ = &batch;
    row_ = static_cast<std::size_t>(-1);  // its first row comes next
  }
}

}  // namespace quillmere::core
