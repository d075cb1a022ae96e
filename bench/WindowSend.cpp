// Sends a workbook's contacts to a CardDAV server through the real main window and its Send
// to Address Book dialog (offscreen), the way a user does: Browse, Next, Match by Name, Next,
// Send to Address Book..., the server, user and password, Find, Check, Send. A 10 ms timer
// measures how long the window ever went without answering, in each stage, and how much of
// that its thread spent working rather than waiting for a core.
// Usage: window-send FILE SERVER USER PASSWORD
// Prints rows, then for each stage (open: the cards made and the dialog shown; find; check;
// send) its seconds, its longest gap in ms with the thread's CPU ms within it and when it ended,
// and the thread's longest stretch of work between two ticks; then the status the dialog ends
// with. Fails when a stage does not end within four hours (10,000 new cards take Radicale
// most of one) or any message is shown.
#include <time.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "bench/BenchShell.h"

namespace {

qint64 threadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// The longest time the event loop went without running a 10 ms timer, and the CPU time the
// thread used within it: a gap with little is the machine's other work, not the window's.
class GapMeter {
 public:
  GapMeter() {
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setInterval(10);
    QObject::connect(&ticker_, &QTimer::timeout, [this] { tick(); });
  }
  void start() {
    longest_ = longestCpu_ = longestEnd_ = longestWork_ = 0;
    cpuAtTick_ = threadCpuMs();
    sinceStart_.start();
    sinceTick_.start();
    ticker_.start();
  }
  void stop() {
    ticker_.stop();
    tick();
  }
  qint64 longest() const { return longest_; }
  qint64 longestCpu() const { return longestCpu_; }
  qint64 longestEnd() const { return longestEnd_; }
  // The most CPU time the thread used between two ticks: its longest stretch of work.
  qint64 longestWork() const { return longestWork_; }

 private:
  void tick() {
    const qint64 gap = sinceTick_.restart();
    const qint64 cpu = threadCpuMs();
    if (gap > longest_) {
      longest_ = gap;
      longestCpu_ = cpu - cpuAtTick_;
      longestEnd_ = sinceStart_.elapsed();
    }
    longestWork_ = std::max(longestWork_, cpu - cpuAtTick_);
    cpuAtTick_ = cpu;
  }

  QTimer ticker_;
  QElapsedTimer sinceTick_;
  QElapsedTimer sinceStart_;
  qint64 longest_ = 0;
  qint64 longestEnd_ = 0;  // ms into the stage
  qint64 longestWork_ = 0;
  qint64 longestCpu_ = 0;
  qint64 cpuAtTick_ = 0;
};

// Runs `act`, then the event loop until `done` holds; prints the stage's time and longest gap.
bool stage(const char* name, GapMeter& meter, const std::function<void()>& act,
           const std::function<bool()>& done) {
  QElapsedTimer took;
  took.start();
  meter.start();
  act();
  // The window's own event loop, asked every 20 ms whether the stage has ended, so that
  // nothing but the window's work keeps its thread busy.
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done() || took.elapsed() > 4 * 60 * 60 * 1000) loop.quit();
  });
  poll.start(20);
  if (!done()) loop.exec();
  meter.stop();
  std::printf(
      "%s_seconds=%.3f %s_longest_gap_ms=%lld %s_cpu_in_it_ms=%lld %s_gap_ended_ms=%lld "
      "%s_longest_work_ms=%lld\n",
      name, static_cast<double>(took.nsecsElapsed()) / 1e9, name,
      static_cast<long long>(meter.longest()), name, static_cast<long long>(meter.longestCpu()),
      name, static_cast<long long>(meter.longestEnd()), name,
      static_cast<long long>(meter.longestWork()));
  std::fflush(stdout);
  return done();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fputs("usage: window-send FILE SERVER USER PASSWORD\n", stderr);
    return 2;
  }
  quillmere::bench::offscreenByDefault();
  QApplication application(argc, argv);
  quillmere::bench::BenchWindow bench(QString::fromLocal8Bit(argv[1]));
  quillmere::ui::frmMain& window = bench.window;

  window.cmdBrowse_Click();
  window.cmdNext_Click();
  window.cmdMatchByName_Click();
  window.cmdNext_Click();
  std::printf("rows=%d\n", window.sheetTable().rowsFound);

  GapMeter meter;
  QDialog* dialog = nullptr;
  const auto child = [&](const char* name) {
    return dialog->findChild<QWidget*>(QString::fromLatin1(name));
  };
  const auto status = [&] {
    return dialog->findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
  };
  const auto press = [&](const char* name) {
    return [&, name] { static_cast<QPushButton*>(child(name))->click(); };
  };
  bool ok = stage(
      "open", meter,
      [&] { window.findChild<QPushButton*>(QStringLiteral("cmdSendToAddressBook"))->click(); },
      [&] {
        dialog = window.findChild<QDialog*>(QStringLiteral("frmSendToAddressBook"));
        return dialog != nullptr && dialog->isVisible();
      });
  if (ok) {
    static_cast<QLineEdit*>(child("txtServer"))->setText(QString::fromLocal8Bit(argv[2]));
    static_cast<QLineEdit*>(child("txtUser"))->setText(QString::fromLocal8Bit(argv[3]));
    static_cast<QLineEdit*>(child("txtPassword"))->setText(QString::fromLocal8Bit(argv[4]));
    const auto* books = static_cast<QComboBox*>(child("cmbBook"));
    ok = stage("find", meter, press("cmdFind"), [&] { return books->count() > 0; }) &&
         stage("check", meter, press("cmdCheck"),
               [&] { return child("cmdSend")->isEnabled() && status().contains(u" new, "); }) &&
         stage("send", meter, press("cmdSend"), [&] { return status().startsWith(u"Sent:"); });
  }
  if (dialog != nullptr) std::printf("status=%s\n", qPrintable(status().simplified()));
  return ok && !bench.prompts.failed ? 0 : 1;
}
