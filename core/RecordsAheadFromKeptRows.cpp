#include "core/RecordsAheadFromKeptRows.h"

#include <utility>

#include "core/CheckedRecord.h"

namespace quillmere::core {

RecordsAheadFromKeptRows::RecordsAheadFromKeptRows(std::unique_ptr<source::SheetReader> cursor,
                                                   const ExportJob& job)
    : job_(job),
      records_([this](std::size_t number, BuiltBatch& batch, const std::stop_token& stop) {
        return build(number, batch, stop);
      }) {
  // Every format parsed before the builders read cells at once.
  cursor->cellFormats().parseAll();
  for (std::size_t builder = 1; builder < kBuilders; ++builder)
    builders_[builder].cursor = cursor->anotherCursor();
  builders_[0].cursor = std::move(cursor);
}

void RecordsAheadFromKeptRows::start(std::uint32_t after, const OptionAnswers& answers) {
  records_.stop();
  answers_ = answers;
  after_ = after;
  for (const Builder& builder : builders_) {
    if (builder.cursor == nullptr) return;
  }
  for (Builder& builder : builders_) {
    builder.reader.emplace(job_);
    builder.options.emplace(answers_);
  }
  records_.start();
}

bool RecordsAheadFromKeptRows::build(std::size_t number, BuiltBatch& batch,
                                     const std::stop_token& stop) {
  Builder& builder = builders_[number % kBuilders];
  source::SheetReader& cursor = *builder.cursor;
  if (number < kBuilders) {
    // The builder's first batch since start().
    cursor.rewind();
    builder.rows = source::DataRowWalk::over(job_.table);
    builder.index = 0;
  }
  batch.count = 0;
  batch.ended = false;
  batch.failure = nullptr;
  const std::size_t first = number * BuiltBatch::kRows;
  while (builder.index < first + BuiltBatch::kRows) {
    // The window waits for this when an option changes mid-run: a batch of rows with phone
    // numbers can take tens of milliseconds.
    if (stop.stop_requested()) return false;
    if (!builder.rows->next(cursor)) {
      batch.ended = true;
      break;
    }
    if (cursor.rowNumber() <= after_) continue;
    // Rows of the other builder's batches are only walked past.
    if (builder.index++ < first) continue;
    BuiltRow& built = batch.rows[batch.count++];
    // The texts of this builder's rows lie anywhere in memory; asked for a few rows ahead,
    // they are there when those rows are read.
    cursor.prefetchRow(kPrefetchRows);
    built.sheetRow = cursor.rowNumber();
    built.dropped = builder.reader->read(cursor, *builder.options, built.values);
    built.record.clear();
    if (!built.dropped) {
      buildCheckedRecord(built.record, built.readBack, built.values, answers_, job_);
    }
    keyRow(built, job_);
  }
  return !batch.ended;
}

}  // namespace quillmere::core
