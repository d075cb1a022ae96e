// What reading every card back costs a conversion, in one process and one build: the same
// workbook converted with the read-back and without it, in alternating runs, each into a
// folder of its own that is removed after it; no process start or library loading is timed.
// Prints the median wall time of each, its median CPU time (all threads), the read-back's
// share, and each pair's. With --kept, the sheet's rows are loaded and kept first, as the
// window loads them when the workbook is chosen, and each run converts from those rows.
// Usage: read-back-cost [--kept] RUNS WORKBOOK FOLDER DESTINATION VERSION SINGLE COLUMN=FIELD...
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/ContactField.h"
#include "core/ContactSheet.h"
#include "core/Destination.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "core/ExportRun.h"
#include "core/FileRecordSink.h"
#include "source/CellReference.h"

namespace {

using namespace quillmere;

class Unwatched : public core::ExportObserver {
 public:
  bool rowDone(const core::ExportProgress&, const core::RowOutcome&) override { return true; }
};

class UnwatchedLoad : public source::LoadObserver {
 public:
  bool rowTaken(std::int32_t) override { return true; }
};

struct Conversion {
  core::ContactSheet& sheet;
  std::vector<core::ColumnPair> columns;
  core::OptionAnswers answers;
  std::filesystem::path folder;
  bool kept = false;
};

// CPU seconds of every thread of the process so far, user and system.
double cpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Took {
  double wall = 0;
  double cpu = 0;
};

// One whole run, from the first row read to the last file closed.
Took convert(const Conversion& conversion, bool readBack) {
  std::filesystem::remove_all(conversion.folder);
  std::filesystem::create_directories(conversion.folder);
  // The last run's files reach the disk before this one is timed.
  ::sync();
  core::ExportJob job{conversion.sheet.table(), conversion.columns,
                      conversion.sheet.decimalSeparator()};
  job.readBack = readBack;
  core::FixedAnswers options(conversion.answers);
  Unwatched observer;
  const double cpuStart = cpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  {
    core::FileRecordSink sink(conversion.folder, core::LocalTime{2026, 1, 1, 0, 0, 0});
    core::SheetRows rows = conversion.sheet.readRows();
    if (rows.fromKeptRows() != conversion.kept) {
      std::fprintf(stderr, "read-back-cost: the rows were not read as asked\n");
      std::exit(1);
    }
    const core::ExportReport report =
        core::exportContacts(rows.reader(), job, options, sink, observer);
    if (!report.everyContactWritten()) {
      std::fprintf(stderr, "read-back-cost: not every contact was written\n");
      std::exit(1);
    }
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  const double cpu = cpuSeconds() - cpuStart;
  std::filesystem::remove_all(conversion.folder);
  return {took.count(), cpu};
}

double median(std::vector<double> seconds) {
  std::sort(seconds.begin(), seconds.end());
  return seconds[seconds.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const bool kept = argc > 1 && std::string(argv[1]) == "--kept";
  if (kept) {
    --argc;
    ++argv;
  }
  if (argc < 8) {
    std::fputs(
        "usage: read-back-cost [--kept] RUNS WORKBOOK FOLDER DESTINATION VERSION SINGLE "
        "COLUMN=FIELD...\n",
        stderr);
    return 2;
  }
  try {
    const int runs = std::max(1, std::atoi(argv[1]));
    UnwatchedLoad loading;
    const auto sheet = kept ? core::ContactSheet::load(argv[2], loading, {})
                            : core::ContactSheet::openHeaderRow(argv[2]);
    if (kept && !sheet->rowsKept()) throw std::runtime_error("the rows were not kept");
    const auto destination = core::destinationNamed(argv[4]);
    if (!destination) throw std::runtime_error(std::string("no destination ") + argv[4]);
    Conversion conversion{*sheet, {}, {}, argv[3], kept};
    const auto version = core::parseVCardVersion(argv[5]);
    if (!version) throw std::runtime_error(std::string("no vCard version ") + argv[5]);
    conversion.answers.vCardVersion = *version;
    conversion.answers.singleFile = std::string(argv[6]) == "single";
    conversion.answers.destination = *destination;
    const auto& headers = sheet->table().headers;
    for (int i = 7; i < argc; ++i) {
      const std::string pair = argv[i];
      const auto equals = pair.find('=');
      const auto column = source::parseColumnLetters(pair.substr(0, equals));
      const auto field = core::fieldFromName(pair.substr(equals + 1));
      if (!column || !field || *column >= headers.size())
        throw std::runtime_error("cannot pair " + pair);
      conversion.columns.push_back({headers[*column], *field});
    }
    std::vector<double> with, withCpu;
    std::vector<double> without, withoutCpu;
    for (int run = 0; run < runs; ++run) {
      // Each goes first every other time: a run that follows one whose 100,000 files were just
      // deleted spends seconds in ext4 passing over the inodes it freed.
      const bool offFirst = run % 2 == 0;
      const Took first = convert(conversion, !offFirst);
      const Took second = convert(conversion, offFirst);
      const Took& off = offFirst ? first : second;
      const Took& on = offFirst ? second : first;
      without.push_back(off.wall);
      withoutCpu.push_back(off.cpu);
      with.push_back(on.wall);
      withCpu.push_back(on.cpu);
    }
    const double off = median(without);
    const double on = median(with);
    // Each run with the read-back against the one beside it without: a pair shares the load of
    // the moment, which on a shared machine swings more than the read-back costs.
    std::vector<double> pairs;
    for (std::size_t run = 0; run < with.size(); ++run)
      pairs.push_back(with[run] / without[run] - 1);
    std::printf(
        "%-44s %8.3f  (CPU %.3f)\n%-44s %8.3f  (CPU %.3f)\n"
        "the read-back costs %.1f%% of the conversion (median of the pairs: %.1f%%)\n",
        "without the read-back", off, median(withoutCpu), "with the read-back", on, median(withCpu),
        (on - off) / off * 100, median(pairs) * 100);
    // Each pair's cost, for a caller that gathers pairs from several invocations.
    std::printf("pairs:");
    for (const double pair : pairs)
      std::printf(" %.1f", pair * 100);
    std::printf("\n");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "read-back-cost: %s\n", error.what());
    return 1;
  }
  return 0;
}
