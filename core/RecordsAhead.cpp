#include "core/RecordsAhead.h"

#include <utility>

namespace quillmere::core {

RecordsAhead::RecordsAhead(Build build) : build_(std::move(build)) {}

RecordsAhead::~RecordsAhead() {
  stop();
}

void RecordsAhead::start() {
  stop();
  ended_ = false;
  for (std::size_t builder = 0; builder < kBuilders; ++builder) {
    source::startThread(builders_[builder], [this, builder](const std::stop_token& stop) {
      for (std::size_t number = builder; buildOne(number, stop); number += kBuilders) {
      }
    });
  }
}

void RecordsAhead::stop() {
  // Both asked before either is waited for: one may be waiting for the other's turn.
  for (std::jthread& builder : builders_)
    builder.request_stop();
  for (std::jthread& builder : builders_) {
    if (builder.joinable()) builder.join();
  }
  batches_.reset();
  taken_ = 0;
  batch_ = nullptr;
  ended_ = true;
  failure_ = nullptr;
}

bool RecordsAhead::buildOne(std::size_t number, const std::stop_token& stop) {
  try {
    return batches_.fill(number, stop,
                         [&](BuiltBatch& batch) { return build_(number, batch, stop); });
  } catch (...) {
    // The run reads and builds the rest itself, and meets the same failure there.
    batches_.close();
    return false;
  }
}

const BuiltRow* RecordsAhead::next() {
  for (;;) {
    if (ended_) return nullptr;
    if (batch_ != nullptr) {
      if (++row_ < batch_->count) return &batch_->rows[row_];
      const bool ended = batch_->ended || batch_->failure != nullptr;
      failure_ = batch_->failure;
      batch_ = nullptr;
      batches_.giveBack(++taken_);
      if (ended) {
        ended_ = true;
        return nullptr;
      }
    }
    if (!builders_[taken_ % kBuilders].joinable()) buildOne(taken_, {});
    batch_ = batches_.take(taken_);
    if (batch_ == nullptr) {
      ended_ = true;
      return nullptr;
    }
    row_ = static_cast<std::size_t>(-1);  // its first row comes next
  }
}

void keyRow(BuiltRow& built, const ExportJob& job) {
  built.keys.reset();
  if (job.contactKeys && !built.dropped) built.keys = contactKeys(built.values);
}

}  // namespace quillmere::core
