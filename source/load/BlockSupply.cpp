#include "source/load/BlockSupply.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <new>
#include <system_error>

namespace quillmere::source {

void BlockSupply::Release::operator()(std::byte* block) const {
  std::free(block);
}

BlockSupply::Block BlockSupply::allocate(std::size_t& bytes) {
  bytes = (std::max(bytes, kBlockBytes) + kBlockBytes - 1) / kBlockBytes * kBlockBytes;
  auto* block = static_cast<std::byte*>(std::aligned_alloc(kBlockBytes, bytes));
  if (block == nullptr) throw std::bad_alloc();
  // Only advice: where huge pages are off, the block is made of small ones.
  static_cast<void>(::madvise(block, bytes, MADV_HUGEPAGE));
  return Block(block);
}

BlockSupply::Block BlockSupply::take(std::size_t& bytes) {
  if (bytes > kBlockBytes) return allocate(bytes);
  if (next_.valid() && next_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
    // Still being made: waiting would cost the caller more than faulting one in itself.
    return allocate(bytes);
  }
  Block block = next_.valid() ? next_.get() : allocate(bytes);
  bytes = kBlockBytes;
  try {
    next_ = std::async(std::launch::async, makeReady);
  } catch (const std::system_error&) {
    // No thread to spare: the next block is made here when it is asked for, as it would be
    // without this supply.
  }
  return block;
}

BlockSupply::Block BlockSupply::makeReady() {
  std::size_t size = kBlockBytes;
  Block ready = allocate(size);
  // Touching every page faults it in here, so the caller's first write costs nothing more.
  const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  for (std::size_t at = 0; at < size; at += page)
    *reinterpret_cast<volatile std::byte*>(ready.get() + at) = std::byte{0};
  return ready;
}

void BlockSupply::clear() {
  // Waits for the thread; the block, or its failure to be made, goes with the old state.
  next_ = std::future<Block>();
}

}  // namespace quillmere::source
