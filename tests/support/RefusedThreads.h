#pragma once

#include "source/HandOff.h"

namespace quillmere::test {

// While it lives, the system is taken to refuse every thread asked for after the first `given`.
class RefusedThreads {
 public:
  explicit RefusedThreads(int given) { source::threadsBeforeRefusal = given; }
  ~RefusedThreads() { source::threadsBeforeRefusal = -1; }
  RefusedThreads(const RefusedThreads&) = delete;
  RefusedThreads& operator=(const RefusedThreads&) = delete;
};

}  // namespace quillmere::test
