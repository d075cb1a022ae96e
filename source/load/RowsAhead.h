#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <stop_token>
#include <thread>

#include "source/HandOff.h"
#include "source/SheetReader.h"
#include "source/load/RowBatch.h"

namespace quillmere::source {

// A cursor that reads another one on a thread of its own, a few batches of rows ahead, so
// the caller's thread only takes finished rows while it does its own work with them. A
// failure of the sheet comes out of nextRow() after the rows before it, as it would have.
// The other cursor is this one's alone while it lives; it reads from its start.
class RowsAhead : public SheetReader {
 public:
  explicit RowsAhead(SheetReader& sheet);
  RowsAhead(const RowsAhead&) = delete;
  RowsAhead& operator=(const RowsAhead&) = delete;

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
  static constexpr std::size_t kBatches = 3;
  static constexpr std::size_t kRowsPrefetched = 4;

  void start();
  // Stops the reading thread, if it runs, and drops what it had read.
  void stop();
  // Reads the sheet's next rows into `batch`; false when none follows them.
  bool read(RowBatch& batch, const std::stop_token& stop);

  SheetReader& sheet_;  // the reading thread's alone while it runs
  HandOff<RowBatch> batches_{kBatches};

  // The caller's side.
  std::size_t taken_ = 0;            // the batches it has finished with
  const RowBatch* batch_ = nullptr;  // the batch the current row is in
  std::size_t row_ = 0;              // the current row's place in it
  std::exception_ptr failure_;       // thrown again by every later nextRow()
  std::uint32_t rowNumber_ = 0;
  bool atEnd_ = false;

  // Last: started once everything above is ready, stopped and joined before the rest goes.
  // Not running when the system refused it: the caller's thread then reads each batch as it
  // needs it.
  std::jthread thread_;
};

}  // namespace quillmere::source
