// Loads a workbook and converts it into one version-3.0 file through the real main window
// (offscreen), the way a user does: Browse, Next, Match by Name, Next, one file, Convert, Yes.
// A 10 ms timer measures how long the window ever went without answering.
// Usage: window-convert FILE FOLDER
// Prints rows (non-empty rows the load counted), load_seconds, convert_seconds, seconds,
// longest_gap_ms, folder; any message but the closing question fails the run.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "bench/BenchShell.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: window-convert FILE FOLDER\n", stderr);
    return 2;
  }
  quillmere::bench::offscreenByDefault();
  QApplication application(argc, argv);
  quillmere::bench::BenchWindow bench(QString::fromLocal8Bit(argv[1]),
                                      QString::fromLocal8Bit(argv[2]), true);
  quillmere::ui::frmMain& window = bench.window;

  QElapsedTimer sinceTick;
  qint64 longestGap = 0;
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(10);
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestGap = std::max(longestGap, sinceTick.restart()); });

  QElapsedTimer took;
  took.start();
  sinceTick.start();
  ticker.start();
  window.cmdBrowse_Click();
  const double loadSeconds = static_cast<double>(took.nsecsElapsed()) / 1e9;
  window.cmdNext_Click();
  window.cmdMatchByName_Click();
  window.cmdNext_Click();
  window.findChild<QCheckBox*>(QStringLiteral("ChkSinglevCard"))->setChecked(true);
  window.Opt3_Click();
  window.cmdNext_Click();
  ticker.stop();
  longestGap = std::max(longestGap, sinceTick.elapsed());
  const double seconds = static_cast<double>(took.nsecsElapsed()) / 1e9;

  std::printf(
      "rows=%d load_seconds=%.4f convert_seconds=%.4f seconds=%.4f longest_gap_ms=%lld "
      "folder=%s\n",
      window.sheetTable().rowsFound, loadSeconds, seconds - loadSeconds, seconds,
      static_cast<long long>(longestGap), qPrintable(window.exportFolder()));
  return bench.prompts.failed || !bench.prompts.closingAsked ? 1 : 0;
}
