#include "core/BatchWorker.h"

#include <utility>

namespace quillmere::core {

BatchWorker::BatchWorker(std::function<void(const std::string&)> work)
    : work_(std::move(work)), filling_(batches_.room(0)) {
  source::startThread(thread_, [this] {
    for (std::size_t number = 0;; ++number) {
      std::string* batch = batches_.take(number);
      if (batch == nullptr) return;
      work_(*batch);
      batch->clear();
      batches_.giveBack(number + 1);
    }
  });
}

BatchWorker::~BatchWorker() {
  finish();
}

void BatchWorker::submit() {
  if (filling_->empty()) return;
  if (!thread_.joinable()) {
    work_(*filling_);
    filling_->clear();
    return;
  }
  batches_.give(submitted_++);
  filling_ = batches_.room(submitted_);
}

void BatchWorker::finish() {
  submit();
  if (!thread_.joinable()) return;
  batches_.close();
  thread_.join();
}

}  // namespace quillmere::core
