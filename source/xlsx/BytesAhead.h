#pragma once

#include <cstddef>
#include <exception>
#include <memory>
#include <span>
#include <stop_token>
#include <thread>

#include "source/HandOff.h"
#include "source/xlsx/PartSource.h"

namespace quillmere::source::xlsx {

// Reads another part source on a thread of its own, a few batches of bytes ahead of the
// caller, so that inflating runs beside parsing. The batches are the bound: memory holds at
// most their bytes however long the part. An error of the inner source reaches the caller's
// read() after the bytes before it, as the same exception; destruction stops the thread and
// waits for it.
class BytesAhead : public PartSource {
 public:
  static constexpr std::size_t kDefaultBatchBytes = 256 * 1024;
  static constexpr std::size_t kDefaultBatches = 4;

  explicit BytesAhead(std::unique_ptr<PartSource> inner,
                      std::size_t batchBytes = kDefaultBatchBytes,
                      std::size_t batches = kDefaultBatches);
  BytesAhead(const BytesAhead&) = delete;
  BytesAhead& operator=(const BytesAhead&) = delete;

  std::size_t read(char* buffer, std::size_t capacity) override;
  // Pieces of the batches themselves, so that the caller's thread copies nothing.
  std::span<char> borrow(std::size_t wanted) override;

 private:
  struct Batch {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;        // short of full only in the part's last batch
    std::exception_ptr failure;  // of the inner source, after the batch's bytes
  };

  // Reads the inner source's next bytes into `batch`; false when none follow them.
  bool fill(Batch& batch);
  // The batch being read, with bytes left in it; null at the end of the part (its failure,
  // if any, thrown). Batches before `keep` are handed back for filling as it moves on.
  Batch* currentBatch(std::size_t keep);
  void handBack(std::size_t upTo);

  std::unique_ptr<PartSource> inner_;
  std::size_t batchBytes_;
  HandOff<Batch> batches_;

  // The reader's side, touched only by read() and borrow().
  std::size_t current_ = 0;     // the batch being read, counted from the start of the part
  std::size_t offset_ = 0;      // into that batch
  std::size_t lent_ = 0;        // the batch the last piece lent out lies in
  std::size_t handedBack_ = 0;  // the batches before this are handed back
  Batch* batch_ = nullptr;      // the batch being read, once taken
  bool done_ = false;
  std::exception_ptr failure_;

  // Last: started once everything above is ready, stopped and joined before the rest goes.
  // Not running when the system refused it: the reader then fills each batch as it needs it.
  std::jthread thread_;
};

}  // namespace quillmere::source::xlsx
