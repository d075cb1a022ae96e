// Loads a workbook through the real main window (offscreen), the way Browse does, while a
// 10 ms timer measures how long the window ever went without answering.
// Usage: window-load FILE
// Prints rows (non-empty rows counted), seconds, cpu_seconds, longest_gap_ms, ticks, peak_kib.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "bench/BenchShell.h"

namespace {

double cpuSeconds(const rusage& usage) {
  const auto part = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return part(usage.ru_utime) + part(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: window-load FILE\n", stderr);
    return 2;
  }
  quillmere::bench::offscreenByDefault();
  QApplication application(argc, argv);
  quillmere::bench::BenchWindow bench(QString::fromLocal8Bit(argv[1]));
  quillmere::ui::frmMain& window = bench.window;

  QElapsedTimer sinceTick;
  qint64 longestGap = 0;
  int ticks = 0;
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(10);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longestGap = std::max(longestGap, sinceTick.restart());
    ++ticks;
  });

  QElapsedTimer took;
  took.start();
  sinceTick.start();
  ticker.start();
  window.cmdBrowse_Click();
  ticker.stop();
  // The stretch from the last tick to the end of the load counts as a gap too.
  longestGap = std::max(longestGap, sinceTick.elapsed());
  const double seconds = static_cast<double>(took.nsecsElapsed()) / 1e9;

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("rows=%d seconds=%.4f cpu_seconds=%.4f longest_gap_ms=%lld ticks=%d peak_kib=%ld\n",
              window.sheetTable().rowsFound, seconds, cpuSeconds(usage),
              static_cast<long long>(longestGap), ticks, usage.ru_maxrss);
  return bench.prompts.failed ? 1 : 0;
}
