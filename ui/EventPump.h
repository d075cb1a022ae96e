#pragma once

#include <QElapsedTimer>

namespace quillmere::ui {

// Lets the window's pending events run from inside a long piece of work, at most every
// slice of work rather than at every step, which would cost more than the work itself.
class EventPump {
 public:
  // Well inside the 50 ms a window may go without answering before it feels stuck.
  static constexpr qint64 kSliceMs = 25;
  // Work made of many short steps reads the clock once every this many: a step takes less
  // time than a reading of it.
  static constexpr unsigned kStepsPerClockRead = 16;

  EventPump() { sinceLastPump_.start(); }

  // Whether a slice has passed since events last ran.
  bool due() const { return sinceLastPump_.elapsed() >= kSliceMs; }
  // Runs pending events when a slice has passed since the last time; true when it did.
  bool pumpIfDue();
  void pump();

 private:
  QElapsedTimer sinceLastPump_;
};

}  // namespace quillmere::ui
