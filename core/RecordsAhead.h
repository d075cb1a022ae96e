#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/ContactRowReader.h"
#include "core/ContactValues.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "source/SheetReader.h"

namespace quillmere::core {

// A data row read and its record built, ahead of the run.
struct BuiltRow {
  std::uint32_t sheetRow = 0;
  bool dropped = false;  // by the empty e-mail rule; then there is no record
  ContactValues values;
  std::string record;
};

// Reads the data rows and builds their records on a thread of its own, a few batches ahead
// of the run, with one set of option answers, so the run's thread only names and writes
// them. The run takes the rows in order and checks the answers still hold for each; where
// they do not, it builds that row itself and starts this again after it.
class RecordsAhead {
 public:
  // `cursor` is the run's own second cursor over rows that never change (kept rows).
  RecordsAhead(std::unique_ptr<source::SheetReader> cursor, const ExportJob& job);
  ~RecordsAhead();
  RecordsAhead(const RecordsAhead&) = delete;
  RecordsAhead& operator=(const RecordsAhead&) = delete;

  // Builds from the first data row after sheet row `after` on, with `answers`.
  void start(std::uint32_t after, const OptionAnswers& answers);
  // Stops building and drops what was built.
  void stop();

  // The next row built, or none once the data have ended or the building failed; valid
  // until the next call.
  const BuiltRow* next();
  // The answers the rows are being built with.
  const OptionAnswers& answers() const { return answers_; }

 private:
  static constexpr std::size_t kBatches = 3;
  static constexpr std::size_t kRowsPerBatch = 64;

  struct Batch {
    std::array<BuiltRow, kRowsPerBatch> rows;
    std::size_t count = 0;
    bool ended = false;  // no row follows this batch's
  };

  void build(std::uint32_t after);  // the building thread

  std::unique_ptr<source::SheetReader> cursor_;
  const ExportJob& job_;
  ContactRowReader reader_;
  OptionAnswers answers_;

  std::array<Batch, kBatches> batches_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t filled_ = 0;  // batches built since the start
  std::size_t taken_ = 0;   // batches the run has finished with
  std::atomic<bool> stopping_{false};
  std::thread worker_;

  // The run's side.
  const Batch* batch_ = nullptr;
  std::size_t row_ = 0;
  bool ended_ = true;  // nothing is built before start()
};

}  // namespace quillmere::core
