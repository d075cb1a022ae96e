#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "core/ContactKeys.h"
#include "core/ContactRowReader.h"
#include "core/ContactValues.h"
#include "core/ExportJob.h"
#include "source/HandOff.h"

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

// The rows one builder hands the run at once.
struct BuiltBatch {
  // Each batch handed over, and each turn at a sheet read once, costs a wake-up.
  static constexpr std::size_t kRows = 256;

  std::array<BuiltRow, kRows> rows;
  std::size_t count = 0;
  bool ended = false;          // no row follows this batch's
  std::exception_ptr failure;  // of a sheet read once, after the batch's rows
};

// Records built ahead of the run by two builders on threads of their own, a few batches ahead,
// for the run's thread to take in order. What a batch holds is the owner's `build`: builder b
// builds batches b, b + kBuilders, b + 2 * kBuilders... in that order. A builder the system
// refuses a thread has its batches built on the run's thread as the run comes to them.
class RecordsAhead {
 public:
  static constexpr std::size_t kBuilders = 2;
  // Builds batch `number`, counted from 0, into `batch`; says whether batches follow it. A
  // throw ends the building: the run then builds the rest itself.
  using Build =
      std::function<bool(std::size_t number, BuiltBatch& batch, const std::stop_token& stop)>;

  explicit RecordsAhead(Build build);
  ~RecordsAhead();
  RecordsAhead(const RecordsAhead&) = delete;
  RecordsAhead& operator=(const RecordsAhead&) = delete;

  // Starts the builders at batch 0, after stopping any that run.
  void start();
  // Stops the builders and drops what was built.
  void stop();

  // The next row built, or none once the data have ended or the building failed; valid
  // until the next call.
  const BuiltRow* next();
  // Why a sheet read once ended early, once next() has given the rows before the failure.
  std::exception_ptr failure() const { return failure_; }

  // For builders that take turns at one sheet: see HandOff.
  bool awaitTurn(std::size_t number, const std::stop_token& stop) {
    return batches_.awaitTurn(number, stop);
  }
  void passTurn(bool last) { batches_.passTurn(last); }

 private:
  // Two batches each, so a builder goes on while the run takes its last one.
  static constexpr std::size_t kBatches = 2 * kBuilders;

  // Fills batch `number` with build_ and hands it over; false when none follows.
  bool buildOne(std::size_t number, const std::stop_token& stop);

  Build build_;
  source::HandOff<BuiltBatch> batches_{kBatches};

  // The run's side.
  std::size_t taken_ = 0;  // the batches it has finished with
  const BuiltBatch* batch_ = nullptr;
  std::size_t row_ = 0;
  bool ended_ = true;  // nothing is built before start()
  std::exception_ptr failure_;

  // Last: stopped and joined before the rest goes. One not running was refused by the system.
  std::array<std::jthread, kBuilders> builders_;
};

// Makes a built row's contact keys when the run keeps a report.
void keyRow(BuiltRow& built, const ExportJob& job);

}  // namespace quillmere::core
