#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <thread>

#include "core/Destination.h"
#include "core/RecordsAhead.h"

namespace quillmere::core {

// A row whose record is built and waits to be read back before it is written.
struct RowToCheck {
  BuiltRow built;
  std::string version;
  Destination destination = Destination::AnyApp;
  bool singleFile = false;
  std::int32_t perFile = 0;
};

// Reads back the records a run builds on its own thread, a batch at a time on a thread of its
// own while the run builds the next batch; the run writes each batch as it comes back, in
// order. Where the system refuses the thread, each batch is read back where it is handed over.
class ReadBackWorker {
 public:
  ReadBackWorker();
  ~ReadBackWorker();
  ReadBackWorker(const ReadBackWorker&) = delete;
  ReadBackWorker& operator=(const ReadBackWorker&) = delete;

  // The row to fill next; it joins the batch when added, so a row that failed to be read is
  // never written.
  RowToCheck& slot() { return batches_[filling_][counts_[filling_]]; }
  // Adds the row filled in slot(); true when that fills the batch.
  bool add() { return ++counts_[filling_] == kRowsPerBatch; }
  // Hands the filled batch over and gives back the one handed over before it, read back;
  // empty the first time. Its rows stay valid until the next add().
  std::span<RowToCheck> handOver();
  // At the end: gives back the batch handed over, then the one being filled, each read back;
  // then nothing.
  std::span<RowToCheck> drain();

 private:
  static constexpr std::size_t kRowsPerBatch = 256;
  using Batch = std::array<RowToCheck, kRowsPerBatch>;

  static void readBack(std::span<RowToCheck> rows);
  std::span<RowToCheck> awaitChecked();
  void work();

  std::array<Batch, 2> batches_;
  std::array<std::size_t, 2> counts_{};
  std::size_t filling_ = 0;
  bool handedOver_ = false;  // the other batch is the worker's, or was and is not yet taken back

  std::mutex mutex_;
  std::condition_variable changed_;
  bool waiting_ = false;  // a batch is handed over and not yet read back
  bool closing_ = false;
  std::thread thread_;  // not started when the system refuses a thread
};

}  // namespace quillmere::core
