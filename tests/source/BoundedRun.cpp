#include "tests/source/BoundedRun.h"

#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <exception>
#include <stdexcept>

#include "source/WorkbookError.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QUILLMERE_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define QUILLMERE_UNDER_SANITIZER 1
#endif
#endif

namespace quillmere::source::testing {

namespace {

void writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

std::string readAll(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return text;
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

BoundedRun runBounded(const std::function<std::string()>& body) {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("cannot make a pipe for the child");
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("cannot fork the child");
  if (child == 0) {
    ::close(fds[0]);
    std::string outcome;
    try {
      outcome = "ok: " + body();
    } catch (const WorkbookError& e) {
      outcome = "WorkbookError " + std::to_string(static_cast<int>(e.kind())) + ": " + e.what();
    } catch (const std::exception& e) {
      outcome = std::string("exception: ") + e.what();
    }
    writeAll(fds[1], outcome);
    ::close(fds[1]);
    ::_exit(0);
  }
  ::close(fds[1]);
  BoundedRun run;
  run.outcome = readAll(fds[0]);
  ::close(fds[0]);
  int status = 0;
  rusage usage{};
  while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakBytes = static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    run.outcome = "child died (status " + std::to_string(status) + ") after: " + run.outcome;
  }
  return run;
}

bool memoryIsMeasured() {
#ifdef QUILLMERE_UNDER_SANITIZER
  return false;
#else
  return true;
#endif
}

double timeBoundSeconds() {
  return memoryIsMeasured() ? 10.0 : 50.0;
}

}  // namespace quillmere::source::testing
