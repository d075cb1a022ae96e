#include "core/ReadBackWorker.h"

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "core/CheckedRecord.h"

namespace quillmere::core {

ReadBackWorker::ReadBackWorker() : filling_(batches_.room(0)) {
  source::startThread(thread_, [this] {
    for (std::size_t number = 0;; ++number) {
      Batch* batch = batches_.take(number);
      if (batch == nullptr) return;
      readBack(*batch);
      batches_.giveBack(number + 1);
    }
  });
}

ReadBackWorker::~ReadBackWorker() {
  // A batch handed over is read back first; the wait for one never handed over ends here.
  batches_.close();
  if (thread_.joinable()) thread_.join();
}

namespace {

// Asks for `size` bytes at `from` ahead: the run's thread wrote them on the other core, and each
// of their lines would otherwise come over only once it is read.
void prefetchBytes(const void* from, std::size_t size) {
  constexpr std::size_t kLine = 64;
  const auto* bytes = static_cast<const char*>(from);
  for (std::size_t at = 0; at < size; at += kLine)
    __builtin_prefetch(bytes + at);
}

void prefetchRow(const RowToCheck& row) {
  prefetchBytes(&row, sizeof row);
}

void prefetchRecord(const BuiltRow& row) {
  prefetchBytes(row.record.data(), row.record.size());
}

}  // namespace

void ReadBackWorker::readBack(Batch& batch) {
  for (std::size_t i = 0; i < std::min<std::size_t>(batch.count, 2); ++i)
    prefetchRow(batch.rows[i]);
  // A row's own lines are asked for a row before its record's, whose length they hold.
  for (std::size_t i = 0; i < batch.count; ++i) {
    if (i + 2 < batch.count) prefetchRow(batch.rows[i + 2]);
    if (i + 1 < batch.count) prefetchRecord(batch.rows[i + 1].built);
    BuiltRow& built = batch.rows[i].built;
    if (built.dropped) continue;
    // Written only where the card differs: the run's thread reads these rows next, and a line
    // this core wrote would have to come back to it.
    try {
      std::string difference = readBackOf(built.record, built.values, batch.rows[i].version,
                                          batch.rows[i].destination, batch.rows[i].uid);
      if (!difference.empty()) built.readBack = std::move(difference);
    } catch (const std::exception& error) {
      built.readBack = std::string("could not be read back: ") + error.what();
    }
  }
}

std::span<RowToCheck> ReadBackWorker::handOver() {
  batches_.give(number_);
  if (!thread_.joinable()) {
    readBack(*batches_.take(number_));
    batches_.giveBack(number_ + 1);
  }
  ++number_;
  // Room for the next batch once the one last in its place is read back: the rows it held are
  // the run's to write before they are filled again.
  filling_ = batches_.room(number_);
  const std::span<RowToCheck> checked{filling_->rows.data(), filling_->count};
  filling_->count = 0;
  return checked;
}

std::span<RowToCheck> ReadBackWorker::drain() {
  if (!last_) last_ = number_;
  // The last batch goes over as a full one would; the empty ones after it bring it back.
  while (number_ <= *last_ + kPlaces - 1) {
    const std::span<RowToCheck> checked = handOver();
    if (!checked.empty()) return checked;
  }
  return {};
}

}  // namespace quillmere::core
