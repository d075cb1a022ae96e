#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quillmere::source::testing {

// What a body run in a child process gave back, and what it cost.
struct BoundedRun {
  std::string outcome;          // "ok: " + the body's text, "WorkbookError <kind>: <message>", ...
  std::uint64_t peakBytes = 0;  // the child's peak resident memory
  double seconds = 0.0;         // wall-clock time from fork to exit
};

// Runs `body` in a forked child, so its peak memory is its own and a crash fails only the
// test that caused it. A WorkbookError or other exception becomes the outcome's text.
BoundedRun runBounded(const std::function<std::string()>& body);

// The hostile-file bounds, met with room to spare: 256 MiB and 10 s. Under a sanitizer memory
// is not checked (its shadow and quarantine dwarf the reader's own) and time gets five times
// as long.
inline constexpr std::uint64_t kMemoryBoundBytes = std::uint64_t{256} << 20;
bool memoryIsMeasured();
double timeBoundSeconds();

}  // namespace quillmere::source::testing
