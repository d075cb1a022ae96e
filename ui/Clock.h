#pragma once

#include <QDateTime>

namespace quillmere::ui {

// The time of day as the window needs it (for naming export folders), behind a seam so
// tests can fix it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() = 0;
};

// The computer's own clock, in local time.
class SystemClock : public Clock {
 public:
  QDateTime now() override { return QDateTime::currentDateTime(); }
};

}  // namespace quillmere::ui
