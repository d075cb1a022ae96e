#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
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

 private:
  struct Block {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
  };

  void fill();

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

  // The reader's side, touched only by read().
  std::size_t offset_ = 0;  // into the block being read
  bool done_ = false;

  std::thread worker_;  // last: started once everything above is ready
};

}  // namespace quillmere::source::xlsx
