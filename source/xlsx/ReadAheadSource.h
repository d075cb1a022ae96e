#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "source/xlsx/PartSource.h"

namespace quillmere::source::xlsx {

// Reads another part source on a thread of its own, a few blocks ahead of the caller, so that
// inflating runs beside parsing. The blocks are the bound: memory holds at most their bytes
// however long the part. An error of the inner source reaches the caller's read() after the
// bytes before it, as the same exception; destruction stops the thread and waits for it.
class ReadAheadSource : public PartSource {
 public:
  static constexpr std::size_t kDefaultBlockBytes = 256 * 1024;
  static constexpr std::size_t kDefaultBlocks = 4;

  explicit ReadAheadSource(std::unique_ptr<PartSource> inner,
                           std::size_t blockBytes = kDefaultBlockBytes,
                           std::size_t blocks = kDefaultBlocks);
  ~ReadAheadSource() override;
  ReadAheadSource(const ReadAheadSource&) = delete;
  ReadAheadSource& operator=(const ReadAheadSource&) = delete;

  std::size_t read(char* buffer, std::size_t capacity) override;
  // Pieces of the blocks themselves, so that the caller's thread copies nothing.
  std::span<char> borrow(std::size_t wanted) override;

 private:
  struct Block {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
  };

  void fill();
  // The block being read, with bytes left in it; null at the end of the part (its failure,
  // if any, thrown). Blocks before `keep` are handed back for filling as it moves on.
  Block* currentBlock(std::size_t keep);
  void handBack(std::size_t upTo);

  std::unique_ptr<PartSource> inner_;
  std::size_t blockBytes_;
  std::vector<Block> blocks_;  // a ring: the reader takes blocks in the order they were filled

  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t filled_ = 0;  // blocks filled so far, counted from the start of the part
  std::size_t taken_ = 0;   // blocks the reader has finished with
  bool ended_ = false;      // the inner source has no more bytes, or failed
  bool stopping_ = false;
  std::exception_ptr failure_;

  // The reader's side, touched only by read() and borrow().
  std::size_t current_ = 0;  // the block being read, counted from the start of the part
  std::size_t offset_ = 0;   // into that block
  std::size_t lent_ = 0;     // the block the last piece lent out lies in
  bool done_ = false;

  std::thread worker_;  // last: started once everything above is ready
};

}  // namespace quillmere::source::xlsx
