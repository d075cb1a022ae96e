#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/ContactKeys.h"
#include "core/ContactRowReader.h"
#include "core/ContactValues.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "source/SheetReader.h"
#include "source/load/DataRowWalk.h"

namespace quillmere::core {

// A data row read and its record built, ahead of the run.
struct BuiltRow {
  std::uint32_t sheetRow = 0;
  bool dropped = false;  // by the empty e-mail rule; then there is no record
  ContactValues values;
  std::string record;
  std::string readBack;             // how its card reads back differently; empty when it does not
  std::vector<PhoneCell> phones;    // read in turn, put in international form after it
  std::optional<ContactKeys> keys;  // for a report, of a row not dropped
};

// Reads the data rows and builds their records on two threads of their own, in batches a
// few ahead of the run, with one set of option answers, so the run's thread only names and
// writes them. Over kept rows the run takes the rows in order and checks the answers still
// hold for each; where they do not, it builds that row itself and starts this again after it.
class RecordsAhead {
 public:
  // `cursor` is the run's own second cursor over rows that never change (kept rows).
  RecordsAhead(std::unique_ptr<source::SheetReader> cursor, const ExportJob& job);
  // A sheet read once as it goes (a file), with answers that never change: the builders take
  // turns at `sheet`, each reading the next batch's data rows along `walk`, and build the
  // records apart. Both are the builders' alone until this stops; started once.
  RecordsAhead(source::SheetReader& sheet, source::DataRowWalk& walk, const ExportJob& job);
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
  // Why a sheet read once ended early, once next() has given the rows before the failure.
  std::exception_ptr failure() const { return failure_; }
  // The answers the rows are being built with.
  const OptionAnswers& answers() const { return answers_; }

 private:
  static constexpr std::size_t kBuilders = 2;
  // Two batches each, so a builder goes on while the run takes its last one.
  static constexpr std::size_t kBatches = 2 * kBuilders;
  // Each batch handed over, and each turn at a sheet read once, costs a wake-up.
  static constexpr std::size_t kRowsPerBatch = 256;
  static constexpr std::size_t kPrefetchRows = 4;

  struct Batch {
    std::array<BuiltRow, kRowsPerBatch> rows;
    std::size_t count = 0;
    bool ended = false;          // no row follows this batch's
    std::size_t number = 0;      // which batch of the run it holds, counted from 1; 0 for none
    std::exception_ptr failure;  // of a sheet read once, after the batch's rows
  };

  // Builder `builder` builds batches builder, builder + kBuilders, ... of the rows after
  // `after`; batch b holds rows b * kRowsPerBatch on.
  void build(std::size_t builder, std::uint32_t after);
  // The same over a sheet read once: the builder whose turn it is reads the next rows.
  void buildInTurn(std::size_t builder);
  // Reads the next data rows of the sheet read once into `batch`.
  void readInTurn(Batch& batch, ContactRowReader& reader, ExportOptions& options);
  void markBuilt(Batch& batch, std::size_t number);
  // Makes a built row's contact keys when the run keeps a report.
  void keyRow(BuiltRow& built) const;

  std::array<std::unique_ptr<source::SheetReader>, kBuilders> cursors_;
  source::SheetReader* shared_ = nullptr;  // the sheet read once, or none
  source::DataRowWalk* walk_ = nullptr;
  std::size_t turn_ = 0;      // the batch whose rows are read from it next
  bool sharedEnded_ = false;  // its rows are all read, or it failed
  const ExportJob& job_;
  OptionAnswers answers_;

  std::array<Batch, kBatches> batches_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::condition_variable turnChanged_;  // for builders waiting their turn at the sheet
  std::size_t taken_ = 0;                // batches the run has finished with
  bool failed_ = false;                  // a builder met an error; the run builds the rest itself
  std::atomic<bool> stopping_{false};
  std::array<std::thread, kBuilders> builders_;

  // The run's side.
  const Batch* batch_ = nullptr;
  std::size_t row_ = 0;
  bool ended_ = true;  // nothing is built before start()
  std::exception_ptr failure_;
};

}  // namespace quillmere::core
