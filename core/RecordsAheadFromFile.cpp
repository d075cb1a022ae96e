#include "core/RecordsAheadFromFile.h"

#include "core/CheckedRecord.h"

namespace quillmere::core {

RecordsAheadFromFile::RecordsAheadFromFile(source::SheetReader& sheet, source::DataRowWalk& walk,
                                           const ExportJob& job, const OptionAnswers& answers)
    : sheet_(sheet),
      walk_(walk),
      job_(job),
      answers_(answers),
      builders_{Builder(job, answers), Builder(job, answers)},
      records_([this](std::size_t number, BuiltBatch& batch, const std::stop_token& stop) {
        return build(number, batch, stop);
      }) {
  sheet_.cellFormats().parseAll();
  records_.start();
}

void RecordsAheadFromFile::read(BuiltBatch& batch, Builder& builder) {
  batch.count = 0;
  batch.ended = false;
  batch.failure = nullptr;
  try {
    while (batch.count < BuiltBatch::kRows) {
      if (!walk_.next(sheet_)) {
        batch.ended = true;
        return;
      }
      BuiltRow& built = batch.rows[batch.count];
      built.sheetRow = sheet_.rowNumber();
      built.dropped = builder.reader.readCells(sheet_, builder.options, built.values, built.phones);
      ++batch.count;
    }
  } catch (...) {
    // The rows before a failure are the run's all the same, as they would be row by row.
    batch.failure = std::current_exception();
    batch.ended = true;
  }
}

bool RecordsAheadFromFile::build(std::size_t number, BuiltBatch& batch,
                                 const std::stop_token& stop) {
  if (!records_.awaitTurn(number, stop)) {
    // The sheet ended in an earlier batch, which the run takes last.
    batch.count = 0;
    batch.ended = true;
    return false;
  }
  Builder& builder = builders_[number % kBuilders];
  // The sheet is this builder's alone until it passes the turn on.
  read(batch, builder);
  const bool ended = batch.ended;
  records_.passTurn(ended);
  std::size_t row = 0;
  try {
    for (; row < batch.count; ++row) {
      BuiltRow& built = batch.rows[row];
      ContactRowReader::finishRow(built.phones, answers_.phoneCountry, answers_.moreFields,
                                  built.dropped, built.values);
      built.record.clear();
      if (!built.dropped) {
        buildCheckedRecord(built.record, built.readBack, built.values, answers_, job_);
      }
      keyRow(built, job_);
    }
  } catch (...) {
    // Out of memory: the run ends after the last row built whole.
    batch.count = row;
    batch.failure = std::current_exception();
  }
  return !ended;
}

}  // namespace quillmere::core
