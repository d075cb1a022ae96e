#include "core/BatchWorker.h"

#include <system_error>
#include <utility>

namespace quillmere::core {

namespace {
constexpr std::size_t kMaxQueued = 2;
}

BatchWorker::BatchWorker(std::function<void(const std::string&)> work) : work_(std::move(work)) {
  try {
    thread_ = std::thread([this] { run(); });
  } catch (const std::system_error&) {
    // Working every batch where it is handed over is slower but loses nothing.
  }
}

BatchWorker::~BatchWorker() {
  finish();
}

void BatchWorker::submit() {
  if (filling_.empty()) return;
  if (!thread_.joinable()) {
    work_(filling_);
    filling_.clear();
    return;
  }
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return queued_.size() < kMaxQueued; });
  queued_.push_back(std::move(filling_));
  if (spare_.empty()) {
    filling_ = std::string();
  } else {
    filling_ = std::move(spare_.back());
    spare_.pop_back();
  }
  changed_.notify_all();
}

void BatchWorker::finish() {
  submit();
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void BatchWorker::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return !queued_.empty() || closing_; });
    if (queued_.empty()) return;
    std::string batch = std::move(queued_.front());
    queued_.pop_front();
    // Room for one more batch frees the caller before this one is worked.
    changed_.notify_all();
    lock.unlock();
    work_(batch);
    batch.clear();
    lock.lock();
    spare_.push_back(std::move(batch));
  }
}

}  // namespace quillmere::core
