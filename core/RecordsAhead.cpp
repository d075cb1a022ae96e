#include "core/RecordsAhead.h"

#include <utility>

#include "core/CheckedRecord.h"
#include "core/ContactRowReader.h"
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

RecordsAhead::RecordsAhead(source::SheetReader& sheet, source::DataRowWalk& walk,
                           const ExportJob& job)
    : shared_(&sheet), walk_(&walk), job_(job) {
  sheet.cellFormats().parseAll();
}

RecordsAhead::~RecordsAhead() {
  stop();
}

void RecordsAhead::start(std::uint32_t after, const OptionAnswers& answers) {
  stop();
  answers_ = answers;
  if (shared_ != nullptr) {
    ended_ = false;
    for (std::size_t builder = 0; builder < kBuilders; ++builder)
      builders_[builder] = std::thread([this, builder] { buildInTurn(builder); });
    return;
  }
  // Without a cursor for every builder nothing is built, and the run reads every row itself.
  for (const auto& cursor : cursors_) {
    if (cursor == nullptr) return;
  }
  ended_ = false;
  for (std::size_t builder = 0; builder < kBuilders; ++builder)
    builders_[builder] = std::thread([this, builder, after] { build(builder, after); });
}

void RecordsAhead::stop() {
  {
    // Set under the lock, so no builder misses it between its check and its wait.
    const std::lock_guard lock(mutex_);
    stopping_.store(true);
  }
  changed_.notify_all();
  turnChanged_.notify_all();
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

void RecordsAhead::keyRow(BuiltRow& built) const {
  built.keys.reset();
  if (job_.contactKeys && !built.dropped) built.keys = contactKeys(built.values);
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
  ContactRowReader reader(job_);
  std::size_t number = builder;  // the batch being built, counted from 0
  try {
    cursor.rewind();
    auto rows = source::DataRowWalk::over(job_.table);
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
        // The window waits for this when an option changes mid-run: a batch of rows with
        // phone numbers can take tens of milliseconds.
        if (stopping_.load(std::memory_order_relaxed)) return;
        if (!rows.next(cursor)) {
          batch->ended = true;
          break;
        }
        if (cursor.rowNumber() <= after) continue;
        // Rows of the other builders' batches are only walked past.
        if (index++ < first) continue;
        BuiltRow& built = batch->rows[batch->count++];
        // The texts of this builder's rows lie anywhere in memory; asked for a few rows ahead,
        // they are there when those rows are read.
        cursor.prefetchRow(kPrefetchRows);
        built.sheetRow = cursor.rowNumber();
        built.dropped = reader.read(cursor, options, built.values);
        built.record.clear();
        if (!built.dropped)
          buildCheckedRecord(built.record, built.readBack, built.values, answers_, job_);
        keyRow(built);
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

void RecordsAhead::readInTurn(Batch& batch, ContactRowReader& reader, ExportOptions& options) {
  batch.count = 0;
  batch.ended = false;
  batch.failure = nullptr;
  try {
    while (batch.count < kRowsPerBatch) {
      if (!walk_->next(*shared_)) {
        batch.ended = true;
        return;
      }
      BuiltRow& built = batch.rows[batch.count];
      built.sheetRow = shared_->rowNumber();
      built.dropped = reader.readCells(*shared_, options, built.values, built.phones);
      ++batch.count;
    }
  } catch (...) {
    // The rows before a failure are the run's all the same, as they would be row by row.
    batch.failure = std::current_exception();
    batch.ended = true;
  }
}

void RecordsAhead::buildInTurn(std::size_t builder) {
  FixedAnswers options(answers_);
  ContactRowReader reader(job_);
  for (std::size_t number = builder;; number += kBuilders) {
    Batch* batch = nullptr;
    {
      std::unique_lock lock(mutex_);
      turnChanged_.wait(lock, [&] {
        return stopping_.load() || sharedEnded_ || (turn_ == number && number < taken_ + kBatches);
      });
      if (stopping_.load() || sharedEnded_) return;
      batch = &batches_[number % kBatches];
    }
    // The sheet is this thread's alone until the turn passes on, the batch until it is built.
    readInTurn(*batch, reader, options);
    const bool ended = batch->ended;
    {
      const std::lock_guard lock(mutex_);
      ++turn_;
      sharedEnded_ = ended;
    }
    turnChanged_.notify_all();
    std::size_t row = 0;
    try {
      for (; row < batch->count; ++row) {
        BuiltRow& built = batch->rows[row];
        ContactRowReader::finishRow(built.phones, answers_.phoneCountry, answers_.moreFields,
                                    built.dropped, built.values);
        built.record.clear();
        if (!built.dropped)
          buildCheckedRecord(built.record, built.readBack, built.values, answers_, job_);
        keyRow(built);
      }
    } catch (...) {
      // Out of memory: the run ends after the last row built whole.
      batch->count = row;
      batch->failure = std::current_exception();
    }
    markBuilt(*batch, number + 1);
    if (ended) return;
  }
}

const BuiltRow* RecordsAhead::next() {
  for (;;) {
    if (ended_) return nullptr;
    if (batch_ != nullptr) {
      if (++row_ < batch_->count) return &batch_->rows[row_];
      const bool ended = batch_->ended || batch_->failure != nullptr;
      failure_ = batch_->failure;
      batch_ = nullptr;
      {
        const std::lock_guard lock(mutex_);
        ++taken_;
      }
      changed_.notify_all();
      turnChanged_.notify_all();
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
