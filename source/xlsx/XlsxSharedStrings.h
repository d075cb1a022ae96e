#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "source/ReadLimits.h"
#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::xlsx {

// The shared-string table in one arena: every string's bytes end to end in one pool and their
// 32-bit end offsets beside it, two allocations however many strings there are. Rich-text runs
// are joined, phonetic runs left out and _xHHHH_ escapes undone while loading.
//
// The table may be loaded on another thread while one reader looks strings up: after
// reserveFor() and beginLoading() neither allocation ever moves, each string is published once
// whole, and find() waits for a string that is not yet there.
class XlsxSharedStrings : public XmlHandler {
 public:
  explicit XlsxSharedStrings(const ReadLimits& limits = {});

  // Strings published so far; all of them once loading has ended.
  std::size_t size() const { return published_.load(std::memory_order_acquire); }

  // The string at `index`, which must be below size().
  std::string_view at(std::size_t index) const {
    const std::uint32_t begin = index == 0 ? 0 : ends_[index - 1];
    return {pool_ + begin, ends_[index] - begin};
  }

  std::size_t poolBytes() const { return poolSize_; }

  // Sizes both allocations for a part of `partBytes` bytes, once, before loading: no string
  // is longer than its XML and none is shorter than "<si/>". Untouched memory costs nothing,
  // so only what the strings fill counts towards the process's size.
  void reserveFor(std::uint64_t partBytes);
  // From here until endLoading(), find() waits for strings not yet published.
  void beginLoading();
  // The loading thread is done: every string is there, or `failure` says why not.
  void endLoading(std::exception_ptr failure);

  // The string at `index`, waiting while the table is loading and has not reached it yet, and
  // running `whileWaiting` every few milliseconds of the wait; nothing when the table has no
  // such string. Throws the failure of the loading. For one reader thread at a time.
  std::optional<std::string_view> find(std::size_t index,
                                       const std::function<void()>& whileWaiting = {}) const;
  // Whether the table has a string at `index`, waiting and throwing as find() does, without
  // reading where the string lies; at() then gives it.
  bool has(std::size_t index, const std::function<void()>& whileWaiting = {}) const {
    return index < readerKnown_ || catchUp(index, whileWaiting);
  }
  // Asks for the cache line that says where the string at `index` (one the table has) lies:
  // with millions of strings it is rarely cached, and a row's cells can wait for theirs at once.
  void prefetch(std::size_t index) const {
    __builtin_prefetch(ends_ + (index == 0 ? 0 : index - 1));
  }
  // Throws the failure of the loading, should it have failed already; never waits.
  void throwIfFailed() const;
  // Waits for the loading to end, running `whileWaiting` as find() does; throws its failure.
  void waitLoaded(const std::function<void()>& whileWaiting = {}) const;

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view name) override;
  void text(std::string_view data) override;
  void beginReplay() override;
  // Reads the strings of plain text, nearly all of them, in one pass without events.
  std::size_t takeElement(char* begin, const char* end) override;

 private:
  enum class State : unsigned char { Idle, Loading, Loaded, Failed };

  // A table announcing more strings than this gets no larger reservation up front.
  static constexpr std::size_t kMaxReservedStrings = std::size_t{1} << 20;

  void publish();
  void endItem();
  // Waits under `lock` until `done`, running `whileWaiting` unlocked between slices.
  template <typename Done>
  void waitUntil(std::unique_lock<std::mutex>& lock, const Done& done,
                 const std::function<void()>& whileWaiting) const;
  std::size_t waitFor(std::size_t index, const std::function<void()>& whileWaiting) const;
  // has() past the strings the reader has seen published: looks again, waiting if need be.
  bool catchUp(std::size_t index, const std::function<void()>& whileWaiting) const;

  ReadLimits limits_;
  std::uint64_t maxPoolBytes_;  // the limit, within what 32-bit offsets reach
  // The writer's side. pool_ and ends_ point into the two allocations; they change only
  // while nobody else reads (before loading, or when the table was never reserved).
  std::string poolStorage_;
  std::vector<std::uint32_t> endsStorage_;
  const char* pool_ = nullptr;
  const std::uint32_t* ends_ = nullptr;
  std::size_t poolSize_ = 0;
  std::size_t stringStart_ = 0;
  std::size_t replaying_ = 0;  // strings still to pass over after a replay began
  std::size_t items_ = 0;      // <si> elements ended in this pass
  int phoneticDepth_ = 0;
  bool reserved_ = false;
  bool inItem_ = false;
  bool inText_ = false;

  alignas(64) std::atomic<std::size_t> published_{0};
  std::atomic<State> state_{State::Idle};
  mutable std::atomic<int> waiters_{0};
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::exception_ptr failure_;

  // The reader's own: strings it has seen published, so most lookups read nothing shared.
  alignas(64) mutable std::size_t readerKnown_ = 0;
};

}  // namespace quillmere::source::xlsx
