#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>

#include "source/SheetReader.h"
#include "source/load/RowBatch.h"

namespace quillmere::source {

// A cursor that reads another one on a thread of its own, a few batches of rows ahead, so
// the caller's thread only takes finished rows while it does its own work with them. A
// failure of the sheet comes out of nextRow() after the rows before it, as it would have.
// The other cursor is this one's alone while it lives; it reads from its start.
class RowsAheadReader : public SheetReader {
 public:
  explicit RowsAheadReader(SheetReader& sheet);
  ~RowsAheadReader() override;
  RowsAheadReader(const RowsAheadReader&) = delete;
  RowsAheadReader& operator=(const RowsAheadReader&) = delete;

  std::uint32_t gridRows() const override { return sheet_.gridRows(); }
  bool nextRow() override;
  std::uint32_t rowNumber() const override { return rowNumber_; }
  std::size_t cellCount() const override { return batch_ != nullptr ? batch_->cellCount(row_) : 0; }
  CellValue cell(std::size_t column) const override {
    return column < cellCount() ? batch_->cell(row_, column) : CellValue::empty();
  }
  void rewind() override;
  // Asked on the caller's thread only: the reading thread never looks at formats.
  const CellFormats& cellFormats() const override { return sheet_.cellFormats(); }
  bool readsAhead() const override { return true; }

 private:
  // Batches filled by the reading thread and taken by the caller, in turn round the ring.
  static constexpr std::size_t kBatches = 3;
  static constexpr std::size_t kRowsPrefetched = 4;

  void readAhead();
  void fill(RowBatch& batch);
  void start();
  // Stops the reading thread, if it runs, and drops what it had read.
  void stop();

  SheetReader& sheet_;  // the reading thread's alone while it runs

  std::array<RowBatch, kBatches> batches_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t filled_ = 0;  // batches filled so far, counted from the start of the sheet
  std::size_t taken_ = 0;   // batches the caller has finished with
  std::atomic<bool> stopping_{false};
  std::thread worker_;

  // The caller's side.
  const RowBatch* batch_ = nullptr;  // the batch the current row is in
  std::size_t row_ = 0;              // the current row's place in it
  std::exception_ptr failure_;       // thrown again by every later nextRow()
  std::uint32_t rowNumber_ = 0;
  bool atEnd_ = false;
};

}  // namespace quillmere::source
