#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>

#include "core/ContactRowReader.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "core/RecordsAhead.h"
#include "source/SheetReader.h"
#include "source/load/DataRowWalk.h"

namespace quillmere::core {

// Builds the records of rows that never change (kept rows) ahead of the run, each builder
// reading on a cursor of its own, with one set of option answers, so the run's thread only
// names and writes them. The run takes the rows in order and checks the answers still hold
// for each; where they do not, it builds that row itself and starts this again after it.
class RecordsAheadFromKeptRows {
 public:
  // `cursor` is the run's own second cursor over the kept rows.
  RecordsAheadFromKeptRows(std::unique_ptr<source::SheetReader> cursor, const ExportJob& job);

  // Builds from the first data row after sheet row `after` on, with `answers`. Without a
  // cursor for every builder nothing is built, and the run reads every row itself.
  void start(std::uint32_t after, const OptionAnswers& answers);
  // Stops building and drops what was built.
  void stop() { records_.stop(); }

  // The next row built, or none once the data have ended or the building failed; valid
  // until the next call.
  const BuiltRow* next() { return records_.next(); }
  // The answers the rows are being built with.
  const OptionAnswers& answers() const { return answers_; }

 private:
  static constexpr std::size_t kBuilders = RecordsAhead::kBuilders;
  static constexpr std::size_t kPrefetchRows = 4;

  // What a builder keeps from one of its batches to the next.
  struct Builder {
    std::unique_ptr<source::SheetReader> cursor;
    std::optional<source::DataRowWalk> rows;
    std::size_t index = 0;  // of the next data row after the one the building starts after
    std::optional<ContactRowReader> reader;
    std::optional<FixedAnswers> options;
  };

  // Batch b holds data rows b * BuiltBatch::kRows on; a builder walks past the rows of the
  // other builder's batches.
  bool build(std::size_t number, BuiltBatch& batch, const std::stop_token& stop);

  const ExportJob& job_;
  OptionAnswers answers_;
  std::uint32_t after_ = 0;
  std::array<Builder, kBuilders> builders_;
  RecordsAhead records_;  // last: its builders stop before the rest goes
};

}  // namespace quillmere::core
