// A run whose builders or report the system refuses threads does their work on the run's own
// thread, and writes the same cards and the same report as with them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/ExportRun.h"
#include "core/RowReport.h"
#include "tests/core/ExportDoubles.h"
#include "tests/support/MemorySheet.h"
#include "tests/support/RefusedThreads.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::core {
namespace {

namespace fs = std::filesystem;
using test::MemorySheet;

// Notes a row read on a thread other than the one that made the sheet.
struct Watch {
  std::thread::id owner = std::this_thread::get_id();
  std::atomic<bool> elsewhere{false};
  void note() {
    if (std::this_thread::get_id() != owner) elsewhere = true;
  }
};

// Rows that never change, each cursor of them watched.
class WatchedKeptRows : public MemorySheet {
 public:
  WatchedKeptRows(const Rows& rows, Watch& watch) : MemorySheet(rows), rows_(rows), watch_(watch) {}
  bool nextRow() override {
    watch_.note();
    return MemorySheet::nextRow();
  }
  std::unique_ptr<source::SheetReader> anotherCursor() const override {
    return std::make_unique<WatchedKeptRows>(rows_, watch_);
  }

 private:
  Rows rows_;
  Watch& watch_;
};

// A file's rows, read once as they come, watched.
class WatchedFile : public MemorySheet {
 public:
  WatchedFile(const Rows& rows, Watch& watch) : MemorySheet(rows), watch_(watch) {}
  bool nextRow() override {
    watch_.note();
    return MemorySheet::nextRow();
  }

 private:
  Watch& watch_;
};

struct Converted {
  std::string text;  // the cards, each row's outcome and the report
  bool readElsewhere = false;
};

Converted convert(bool keptRows) {
  MemorySheet::Rows rows = {{1, {std::string("Name"), std::string("Mail"), std::string("Phone")}}};
  for (std::uint32_t r = 2; r <= 1300; ++r) {
    const std::string n = std::to_string(r);
    rows[r] = {"N" + n, r % 9 == 0 ? std::string("  ") : "m" + n + "@x.org",
               "020 7946 0" + std::to_string(100 + r % 900)};
  }
  const std::vector<ColumnPair> columns = {test::pairOf(0, Field::FullName),
                                           test::pairOf(1, Field::EmailAddress),
                                           test::pairOf(2, Field::BusinessTelephoneNumber)};
  const source::SheetTable table = test::tableOf(rows, 1299, 1300);
  const quillmere::test::ScratchFolder scratch("threads");
  const fs::path& folder = scratch.path();
  std::string text;
  Watch watch;
  {
    // Made first, so its worker has the first thread given.
    RowReport report(folder / "rows.spool");
    test::ReportingObserver observer(report);
    test::MemorySink sink;
    FixedAnswers options({VCardVersion::V30, false, false, false, false, "GB"});
    const ExportJob job{table, columns, '.', true};
    if (keptRows) {
      WatchedKeptRows sheet(rows, watch);
      exportContacts(sheet, job, options, sink, observer);
    } else {
      WatchedFile sheet(rows, watch);
      exportContacts(sheet, job, options, sink, observer);
    }
    report.finish();
    report.saveCsv(folder / "report.csv");
    for (const RowOutcome& outcome : observer.outcomes)
      text += std::to_string(outcome.sheetRow) + " " + outcome.file + "\n";
    for (const auto& [file, records] : sink.files)
      text += file + "\n" + records;
  }
  std::ifstream csv(folder / "report.csv", std::ios::binary);
  text.append(std::istreambuf_iterator<char>(csv), std::istreambuf_iterator<char>());
  return {text, watch.elsewhere};
}

TEST(RunThreads, WorkRefusedAThreadIsDoneOnTheRunsThreadWithTheSameResult) {
  struct Case {
    const char* name;
    bool keptRows;
    int threadsGiven;
    bool builderThread;  // whether a builder still has a thread of its own
  };
  const std::vector<Case> cases = {
      {"kept rows, no thread at all", true, 0, false},
      {"kept rows, a thread for the report alone", true, 1, false},
      {"kept rows, a thread for the report and one builder", true, 2, true},
      {"a file, no thread at all", false, 0, false},
      {"a file, a thread for the report and one builder", false, 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Converted withThreads = convert(c.keptRows);
    EXPECT_TRUE(withThreads.readElsewhere) << "nothing was built ahead";
    const test::RefusedThreads refused(c.threadsGiven);
    const Converted without = convert(c.keptRows);
    EXPECT_EQ(without.text, withThreads.text);
    EXPECT_EQ(without.readElsewhere, c.builderThread);
  }
}

}  // namespace
}  // namespace quillmere::core
