#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quillmere::core {

// Hands batches of bytes from the caller's thread to a thread of its own, in order, so work
// that only keeps a record of a run does not slow the run. At most two batches wait; the
// caller waits for room beyond that, which bounds the memory a slow disk can cost.
class BatchWorker {
 public:
  // `work` is called on the worker's thread, one batch at a time, and must not throw.
  explicit BatchWorker(std::function<void(const std::string& batch)> work);
  ~BatchWorker();
  BatchWorker(const BatchWorker&) = delete;
  BatchWorker& operator=(const BatchWorker&) = delete;

  // The batch being filled; the caller appends to it between hand-overs.
  std::string& batch() { return filling_; }
  // Hands the filled batch to the worker.
  void submit();
  // Hands over what is left and returns once every batch has been worked.
  void finish();

 private:
  void run();

  std::function<void(const std::string&)> work_;
  std::string filling_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> queued_;
  std::vector<std::string> spare_;  // worked batches, kept for their room
  bool closing_ = false;
  std::thread thread_;  // not started when the system refuses a thread: batches are then
                        // worked on the caller's thread
};

}  // namespace quillmere::core
