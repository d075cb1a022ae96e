#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <stop_token>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace quillmere::source {

// How many more threads startThread() gets before it takes the system to refuse every one, as
// a system out of threads does; below zero, none is refused. Only tests set it.
inline std::atomic<int> threadsBeforeRefusal{-1};

// Starts `work` on `thread`, handing it the thread's std::stop_token when it takes one. When
// the system refuses a thread (std::system_error), nothing starts and false comes back: the
// caller then does that work on its own thread when it needs it, so a refused thread costs
// time and never the result.
template <typename Work>
bool startThread(std::jthread& thread, Work&& work) {
  try {
    int left = threadsBeforeRefusal.load(std::memory_order_relaxed);
    while (left > 0 &&
           !threadsBeforeRefusal.compare_exchange_weak(left, left - 1, std::memory_order_relaxed)) {
    }
    if (left == 0)
      throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    thread = std::jthread(std::forward<Work>(work));
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

// A bounded hand-off between two threads; what one slot carries is a batch. Slots are filled on
// one side and taken on the other in the order of their numbers, which count from 0 over the
// whole run; number n lives in place n % places(), so at most places() are filled and not yet
// given back. The lock guards the counts alone: a slot is its filler's from room() to give()
// and its taker's from take() to giveBack(), so neither side holds the lock while it works. A
// wait whose std::stop_token asks to stop ends at once.
template <typename Slot>
class HandOff {
 public:
  explicit HandOff(std::size_t places) : slots_(places), given_(places, 0) {}
  HandOff(const HandOff&) = delete;
  HandOff& operator=(const HandOff&) = delete;

  std::size_t places() const { return slots_.size(); }

  // The filling side. Slot `number` to fill, once the taker has given back the one before it
  // in its place; none when `stop` asks first.
  Slot* room(std::size_t number, const std::stop_token& stop = {}) {
    const StopWakes wakes(*this, roomChanged_, stop);
    std::unique_lock lock(mutex_);
    if (!wait(roomWaiters_, roomChanged_, lock, stop,
              [&] { return number < givenBack_ + slots_.size(); })) {
      return nullptr;
    }
    return &slots_[number % slots_.size()];
  }
  // Hands slot `number` over.
  void give(std::size_t number) {
    std::unique_lock lock(mutex_);
    given_[number % slots_.size()] = number + 1;
    notify(takerWaiting_, givenChanged_, lock);
  }
  // Fills slot `number` once it has room with `filler(slot)`, which says whether slots follow,
  // and hands it over. False when none follows, or when `stop` asked: then it is not handed over.
  template <typename Fill>
  bool fill(std::size_t number, const std::stop_token& stop, Fill&& filler) {
    Slot* slot = room(number, stop);
    if (slot == nullptr) return false;
    const bool more = std::forward<Fill>(filler)(*slot);
    if (stop.stop_requested()) return false;
    give(number);
    return more;
  }
  // No slot is given after those given so far: take() of another returns none.
  void close() {
    std::unique_lock lock(mutex_);
    closed_ = true;
    notify(takerWaiting_, givenChanged_, lock);
  }

  // For fillers that take turns at one source, in the order of their slots: waits until the
  // slot before `number` has passed the turn on. False when the source was used up first, or
  // when `stop` asked.
  bool awaitTurn(std::size_t number, const std::stop_token& stop = {}) {
    const StopWakes wakes(*this, turnChanged_, stop);
    std::unique_lock lock(mutex_);
    wait(turnWaiters_, turnChanged_, lock, stop, [&] { return turn_ == number || lastTurn_; });
    return turn_ == number && !lastTurn_ && !stop.stop_requested();
  }
  // Passes the turn to the next slot's filler; `last` when the source is used up.
  void passTurn(bool last) {
    std::unique_lock lock(mutex_);
    ++turn_;
    lastTurn_ = last;
    notify(turnWaiters_, turnChanged_, lock);
  }

  // The taking side. Slot `number` once it is given; none when the fillers closed first.
  Slot* take(std::size_t number) {
    std::unique_lock lock(mutex_);
    const std::size_t place = number % slots_.size();
    wait(takerWaiting_, givenChanged_, lock, {},
         [&] { return given_[place] == number + 1 || closed_; });
    return given_[place] == number + 1 ? &slots_[place] : nullptr;
  }
  // The slots before `number` are free to fill again.
  void giveBack(std::size_t number) {
    std::unique_lock lock(mutex_);
    if (number <= givenBack_) return;
    givenBack_ = number;
    notify(roomWaiters_, roomChanged_, lock);
  }

  // Nothing given, taken or turned: for a new run once no thread uses it any more.
  void reset() {
    const std::lock_guard lock(mutex_);
    for (std::size_t& given : given_)
      given = 0;
    givenBack_ = 0;
    turn_ = 0;
    lastTurn_ = false;
    closed_ = false;
  }

 private:
  // Wakes a wait on `changed` when `stop` is asked. Made before the lock is taken and gone
  // after it is let go, as it takes the lock itself: so a wait cannot miss the stop.
  class StopWakes {
   public:
    StopWakes(HandOff& handOff, std::condition_variable& changed, const std::stop_token& stop)
        : wake_(stop, Wake{handOff, changed}) {}

   private:
    struct Wake {
      HandOff& handOff;
      std::condition_variable& changed;
      void operator()() const {
        const std::lock_guard lock(handOff.mutex_);
        changed.notify_all();
      }
    };
    std::stop_callback<Wake> wake_;
  };

  // Each kind of wait has a condition of its own, told only when one waits for it: a thread
  // woken for nothing costs the other core a switch, each batch. False when `stop` asked while
  // it waited.
  template <typename Done>
  static bool wait(int& waiters, std::condition_variable& changed,
                   std::unique_lock<std::mutex>& lock, const std::stop_token& stop, Done done) {
    if (done()) return true;
    ++waiters;
    changed.wait(lock, [&] { return done() || stop.stop_requested(); });
    --waiters;
    return done() && !stop.stop_requested();
  }
  static void notify(int waiters, std::condition_variable& changed,
                     std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    if (waiters > 0) changed.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable givenChanged_;  // for the taker
  std::condition_variable roomChanged_;   // for fillers waiting for room
  std::condition_variable turnChanged_;   // for fillers waiting for their turn
  int takerWaiting_ = 0;
  int roomWaiters_ = 0;
  int turnWaiters_ = 0;
  std::vector<Slot> slots_;
  std::vector<std::size_t> given_;  // each place's slot number + 1 once given; 0 before
  std::size_t givenBack_ = 0;       // slots before this are free
  std::size_t turn_ = 0;            // the slot whose filler has the turn
  bool lastTurn_ = false;
  bool closed_ = false;
};

}  // namespace quillmere::source
