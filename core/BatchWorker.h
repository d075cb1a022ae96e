#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <thread>

#include "source/HandOff.h"

namespace quillmere::core {

// Hands batches of bytes from the caller's thread to a thread of its own, in order, so work
// that only keeps a record of a run does not slow the run. At most three batches are handed
// over and not yet worked; the caller waits for room beyond that, which bounds the memory a
// slow disk can cost.
class BatchWorker {
 public:
  // `work` is called on the worker's thread, one batch at a time, and must not throw.
  explicit BatchWorker(std::function<void(const std::string& batch)> work);
  ~BatchWorker();
  BatchWorker(const BatchWorker&) = delete;
  BatchWorker& operator=(const BatchWorker&) = delete;

  // The batch being filled; the caller appends to it between hand-overs.
  std::string& batch() { return *filling_; }
  // Hands the filled batch to the worker.
  void submit();
  // Hands over what is left and returns once every batch has been worked.
  void finish();

 private:
  // The one being filled, and the ones handed over: one being worked and two waiting.
  static constexpr std::size_t kBatches = 4;

  std::function<void(const std::string&)> work_;
  source::HandOff<std::string> batches_{kBatches};  // each keeps its room from batch to batch
  std::size_t submitted_ = 0;
  std::string* filling_;
  // Last: started once everything above is ready. Not running when the system refused it:
  // each batch is then worked on the caller's thread as it is handed over.
  std::jthread thread_;
};

}  // namespace quillmere::core
