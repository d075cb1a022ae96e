#pragma once

#include <QDateTime>

#include "ui/Clock.h"

namespace quillmere::ui::test {

// A clock that says what the test set, and counts how often it was read.
class FakeClock : public Clock {
 public:
  QDateTime time{QDate(2026, 12, 6), QTime(4, 3, 9)};
  int reads = 0;

  QDateTime now() override {
    ++reads;
    return time;
  }
};

}  // namespace quillmere::ui::test
