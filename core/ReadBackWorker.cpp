#include "core/ReadBackWorker.h"

#include <exception>
#include <system_error>

#include "core/CheckedRecord.h"

namespace quillmere::core {

ReadBackWorker::ReadBackWorker() {
  try {
    thread_ = std::thread([this] { work(); });
  } catch (const std::system_error&) {
    // Reading each batch back where it is handed over is slower but checks every card.
  }
}

ReadBackWorker::~ReadBackWorker() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void ReadBackWorker::readBack(std::span<RowToCheck> rows) {
  for (RowToCheck& row : rows) {
    if (row.built.dropped) continue;
    try {
      row.built.readBack =
          readBackOf(row.built.record, row.built.values, row.version, row.destination);
    } catch (const std::exception& error) {
      row.built.readBack = std::string("could not be read back: ") + error.what();
    }
  }
}

std::span<RowToCheck> ReadBackWorker::awaitChecked() {
  const std::size_t other = 1 - filling_;
  if (!handedOver_) return {};
  handedOver_ = false;
  if (thread_.joinable()) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_; });
  }
  return {batches_[other].data(), counts_[other]};
}

std::span<RowToCheck> ReadBackWorker::handOver() {
  const std::span<RowToCheck> checked = awaitChecked();
  const std::size_t full = filling_;
  filling_ = 1 - filling_;
  counts_[filling_] = 0;  // its rows, given back above, are overwritten only once added again
  handedOver_ = true;
  if (thread_.joinable()) {
    {
      const std::lock_guard lock(mutex_);
      waiting_ = true;
    }
    changed_.notify_all();
  } else {
    readBack({batches_[full].data(), counts_[full]});
  }
  return checked;
}

std::span<RowToCheck> ReadBackWorker::drain() {
  if (handedOver_) return awaitChecked();
  const std::span<RowToCheck> last{batches_[filling_].data(), counts_[filling_]};
  counts_[filling_] = 0;
  readBack(last);
  return last;
}

void ReadBackWorker::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return waiting_ || closing_; });
    if (!waiting_) return;
    // The batch handed over is the one the run is not filling, and stays so until it is
    // taken back after this wait ends.
    const std::size_t batch = 1 - filling_;
    const std::size_t count = counts_[batch];
    lock.unlock();
    readBack({batches_[batch].data(), count});
    lock.lock();
    waiting_ = false;
    changed_.notify_all();
  }
}

}  // namespace quillmere::core
