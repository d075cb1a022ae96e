#pragma once

#include <cstddef>
#include <future>
#include <memory>

namespace quillmere::source {

// Blocks of memory for rows a load keeps, in whole huge pages where the system has them. While
// the caller fills one block of the usual size, the next is made ready on a thread of its own,
// its pages already in memory: the kernel clearing fresh pages was a fifth of the loading
// thread's time, and the other core is mostly idle during a load.
class BlockSupply {
 public:
  static constexpr std::size_t kBlockBytes = std::size_t{2} << 20;  // one huge page on x86-64

  struct Release {
    void operator()(std::byte* block) const;
  };
  using Block = std::unique_ptr<std::byte, Release>;

  BlockSupply() = default;
  BlockSupply(BlockSupply&&) noexcept = default;
  BlockSupply& operator=(BlockSupply&&) noexcept = default;
  // The block being made ready, if any, is waited for and let go of.
  ~BlockSupply() = default;

  // A block of at least `bytes`, which becomes its size: whole huge pages, and the usual
  // size when that is enough. Throws std::bad_alloc when there is no memory for it.
  Block take(std::size_t& bytes);
  // Lets go of the block being made ready, for a caller that needs no more.
  void clear();

 private:
  static Block allocate(std::size_t& bytes);
  // A block of the usual size with every page touched; run on the thread of its own.
  static Block makeReady();

  std::future<Block> next_;  // the next block of the usual size, once one has been asked for
};

}  // namespace quillmere::source
