#include "source/xlsx/XlsxSharedStrings.h"

#include <algorithm>
#include <charconv>
#include <chrono>

#include "source/xlsx/PlainBytes.h"
#include "source/xlsx/TextEscapes.h"

namespace quillmere::source::xlsx {

using Kind = WorkbookError::Kind;

XlsxSharedStrings::XlsxSharedStrings(const ReadLimits& limits)
    : limits_(limits),
      maxPoolBytes_(std::min<std::uint64_t>(limits.maxSharedStringBytes, UINT32_MAX)) {
  takeElements();
}

void XlsxSharedStrings::reserveFor(std::uint64_t partBytes) {
  const std::uint64_t poolBytes = std::min(partBytes, maxPoolBytes_);
  // "<si/>" is the shortest string; one past the limit is room enough to refuse it.
  const std::uint64_t strings = std::min(partBytes / 5, limits_.maxSharedStrings) + 1;
  poolStorage_.reserve(static_cast<std::size_t>(poolBytes) + 1);
  endsStorage_.reserve(static_cast<std::size_t>(strings));
  pool_ = poolStorage_.data();
  ends_ = endsStorage_.data();
  reserved_ = true;
}

void XlsxSharedStrings::beginLoading() {
  state_.store(State::Loading);
}

void XlsxSharedStrings::endLoading(std::exception_ptr failure) {
  {
    const std::lock_guard lock(mutex_);
    failure_ = std::move(failure);
    state_.store(failure_ ? State::Failed : State::Loaded);
  }
  changed_.notify_all();
}

std::optional<std::string_view> XlsxSharedStrings::find(
    std::size_t index, const std::function<void()>& whileWaiting) const {
  if (!has(index, whileWaiting)) return std::nullopt;
  return at(index);
}

bool XlsxSharedStrings::catchUp(std::size_t index,
                                const std::function<void()>& whileWaiting) const {
  readerKnown_ = published_.load(std::memory_order_acquire);
  if (index >= readerKnown_ && state_.load() != State::Idle) {
    readerKnown_ = waitFor(index, whileWaiting);
  }
  return index < readerKnown_;
}

template <typename Done>
void XlsxSharedStrings::waitUntil(std::unique_lock<std::mutex>& lock, const Done& done,
                                  const std::function<void()>& whileWaiting) const {
  if (!whileWaiting) {
    changed_.wait(lock, done);
    return;
  }
  // Short enough that a window running its events from here never seems stuck.
  constexpr auto kSlice = std::chrono::milliseconds(10);
  while (!changed_.wait_for(lock, kSlice, done)) {
    lock.unlock();
    whileWaiting();
    lock.lock();
  }
}

std::size_t XlsxSharedStrings::waitFor(std::size_t index,
                                       const std::function<void()>& whileWaiting) const {
  std::unique_lock lock(mutex_);
  waiters_.fetch_add(1);
  waitUntil(
      lock, [this, index] { return published_.load() > index || state_.load() != State::Loading; },
      whileWaiting);
  waiters_.fetch_sub(1);
  if (state_.load() == State::Failed) std::rethrow_exception(failure_);
  return published_.load();
}

void XlsxSharedStrings::throwIfFailed() const {
  if (state_.load(std::memory_order_acquire) == State::Failed) {
    const std::lock_guard lock(mutex_);
    std::rethrow_exception(failure_);
  }
}

void XlsxSharedStrings::waitLoaded(const std::function<void()>& whileWaiting) const {
  std::unique_lock lock(mutex_);
  waitUntil(
      lock, [this] { return state_.load() != State::Loading; }, whileWaiting);
  if (state_.load() == State::Failed) std::rethrow_exception(failure_);
}

void XlsxSharedStrings::publish() {
  const std::size_t count = endsStorage_.size();
  if (!reserved_) ends_ = endsStorage_.data();
  published_.store(count);
  // A reader announces itself before it looks at published_, so one of the two sees the
  // other and no wake-up is lost.
  if (waiters_.load() > 0) {
    { const std::lock_guard lock(mutex_); }
    changed_.notify_all();
  }
}

void XlsxSharedStrings::startElement(std::string_view name, const char** attributes) {
  if (name == "si") {
    inItem_ = true;
    stringStart_ = poolSize_;
  } else if (!inItem_) {
    // Only before the first string: a second table element further on must not move the
    // ends that strings already published are read through.
    if (name == "sst" && !reserved_ && endsStorage_.empty()) {
      const auto count = attribute(attributes, "uniqueCount");
      std::size_t announced = 0;
      if (count && std::from_chars(count->data(), count->data() + count->size(), announced).ec ==
                       std::errc{}) {
        endsStorage_.reserve(std::min(announced, kMaxReservedStrings));
        ends_ = endsStorage_.data();
      }
    }
  } else if (name == "rPh") {
    ++phoneticDepth_;
  } else if (name == "t" && phoneticDepth_ == 0) {
    inText_ = true;
  }
}

void XlsxSharedStrings::endElement(std::string_view name) {
  if (!inItem_) return;
  if (name == "t") {
    inText_ = false;
  } else if (name == "rPh") {
    if (phoneticDepth_ > 0) --phoneticDepth_;
  } else if (name == "si") {
    endItem();
  }
}

void XlsxSharedStrings::endItem() {
  inItem_ = false;
  inText_ = false;
  phoneticDepth_ = 0;
  ++items_;
  if (replaying_ > 0) {
    --replaying_;
    return;
  }
  if (failed()) return;
  if (endsStorage_.size() >= limits_.maxSharedStrings) {
    fail(Kind::LimitExceeded, sharedStringsPastLimit(limits_.maxSharedStrings));
    return;
  }
  if (reserved_ && endsStorage_.size() == endsStorage_.capacity()) {
    // Cannot be, as every string takes five bytes of the part; moving the table under a
    // reader would be worse than refusing it.
    failDamaged("its shared strings hold more strings than their size allows.");
    return;
  }
  std::string_view added(poolStorage_);
  added.remove_prefix(stringStart_);
  if (added.find('_') != std::string_view::npos) {
    decodeEscapes(poolStorage_, stringStart_);
    poolSize_ = poolStorage_.size();
  }
  endsStorage_.push_back(static_cast<std::uint32_t>(poolSize_));
  publish();
}

std::size_t XlsxSharedStrings::takeElement(char* begin, const char* end) {
  // <si><t>plain text</t></si>, the shape nearly every string has, in one pass.
  constexpr std::string_view kOpen = "<si><t>", kClose = "</t></si>";
  if (inItem_ || replaying_ > 0 || failed() ||
      static_cast<std::size_t>(end - begin) < kOpen.size() + kClose.size() ||
      std::string_view(begin, kOpen.size()) != kOpen) {
    return 0;
  }
  const char* const text = begin + kOpen.size();
  const char* const stop = plain::skipText(text, end);
  if (static_cast<std::size_t>(end - stop) < kClose.size() ||
      std::string_view(stop, kClose.size()) != kClose) {
    return 0;
  }
  const auto length = static_cast<std::size_t>(stop - text);
  // Whatever a limit would refuse, the events refuse with their words.
  if (length > limits_.maxCellTextBytes || poolSize_ + length > maxPoolBytes_ ||
      (reserved_ && poolSize_ + length >= poolStorage_.capacity())) {
    return 0;
  }
  stringStart_ = poolSize_;
  poolStorage_.append(text, length);
  poolSize_ = poolStorage_.size();
  if (!reserved_) pool_ = poolStorage_.data();
  endItem();
  return static_cast<std::size_t>(stop - begin) + kClose.size();
}

void XlsxSharedStrings::text(std::string_view data) {
  if (!inText_ || replaying_ > 0 || failed()) return;
  if (poolSize_ - stringStart_ + data.size() > limits_.maxCellTextBytes) {
    fail(Kind::LimitExceeded, "holds shared string " + std::to_string(endsStorage_.size() + 1) +
                                  " longer than " + std::to_string(limits_.maxCellTextBytes) +
                                  " bytes, the most Quillmere reads for one cell.");
    return;
  }
  if (poolSize_ + data.size() > maxPoolBytes_) {
    fail(Kind::LimitExceeded, "holds more than " + std::to_string(maxPoolBytes_) +
                                  " bytes of shared strings, the most Quillmere reads.");
    return;
  }
  if (reserved_ && poolSize_ + data.size() >= poolStorage_.capacity()) {
    // Cannot be either: text never takes more bytes than its XML.
    failDamaged("its shared strings hold more text than their size allows.");
    return;
  }
  poolStorage_.append(data);
  poolSize_ = poolStorage_.size();
  if (!reserved_) pool_ = poolStorage_.data();
}

void XlsxSharedStrings::beginReplay() {
  // Strings already published stay. Everything after the last of them is read again: the
  // string being read when the scanner gave up, and text of items never closed.
  poolStorage_.resize(endsStorage_.empty() ? 0 : endsStorage_.back());
  poolSize_ = poolStorage_.size();
  replaying_ = endsStorage_.size();
  items_ = 0;
  phoneticDepth_ = 0;
  inItem_ = inText_ = false;
}

}  // namespace quillmere::source::xlsx
