// What each part of reading a card back costs on one thread, in CPU time per card: the record
// written alone, written with the digest a reader should find, that digest made from the values
// without writing, and the quick pass that reads it back. The rows are the workbook's, converted
// once first and kept in memory.
// Usage: read-back-parts RUNS WORKBOOK DESTINATION VERSION COLUMN=FIELD...
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/CardDigest.h"
#include "core/CheckedRecord.h"
#include "core/ColumnMapping.h"
#include "core/ContactField.h"
#include "core/ContactSheet.h"
#include "core/Destination.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "core/ExportRun.h"
#include "core/RecordSink.h"
#include "core/VCardQuickRead.h"
#include "core/VCardRecord.h"
#include "source/CellReference.h"

namespace {

using namespace quillmere;

// Keeps every row's values, and writes nothing.
class Keeper : public core::ExportObserver, public core::RecordSink {
 public:
  std::vector<core::ContactValues> rows;
  bool rowDone(const core::ExportProgress&, const core::RowOutcome& outcome) override {
    if (outcome.values != nullptr && outcome.kind == core::RowOutcome::Kind::Written)
      rows.push_back(*outcome.values);
    return true;
  }
  void begin() override {}
  void append(const std::string&, std::string_view) override {}
  void finish() override {}
  void complete() override {}
  std::string location() const override { return {}; }
};

// This thread's CPU time: on a machine shared with other work, time spent waiting for a core
// is no part of what a step costs.
double threadNanoseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

template <typename Work>
double nanosecondsPerCard(int runs, std::size_t cards, Work&& work) {
  std::vector<double> each;
  for (int run = 0; run < runs; ++run) {
    const double start = threadNanoseconds();
    work();
    each.push_back((threadNanoseconds() - start) / static_cast<double>(cards));
  }
  std::sort(each.begin(), each.end());
  return each[each.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fputs("usage: read-back-parts RUNS WORKBOOK DESTINATION VERSION COLUMN=FIELD...\n",
               stderr);
    return 2;
  }
  try {
    const int runs = std::max(1, std::atoi(argv[1]));
    const auto sheet = core::ContactSheet::openHeaderRow(argv[2]);
    const auto destination = core::destinationNamed(argv[3]);
    if (!destination) throw std::runtime_error(std::string("no destination ") + argv[3]);
    const auto parsed = core::parseVCardVersion(argv[4]);
    if (!parsed) throw std::runtime_error(std::string("no vCard version ") + argv[4]);
    const core::VCardVersion version = *parsed;
    std::vector<core::ColumnPair> columns;
    const auto& headers = sheet->table().headers;
    for (int i = 5; i < argc; ++i) {
      const std::string pair = argv[i];
      const auto equals = pair.find('=');
      const auto column = source::parseColumnLetters(pair.substr(0, equals));
      const auto field = core::fieldFromName(pair.substr(equals + 1));
      if (!column || !field || *column >= headers.size())
        throw std::runtime_error("cannot pair " + pair);
      columns.push_back({headers[*column], *field});
    }
    core::ExportJob job{sheet->table(), columns, sheet->decimalSeparator()};
    job.readBack = false;
    core::OptionAnswers answers;
    answers.vCardVersion = version;
    answers.singleFile = true;
    answers.destination = *destination;
    core::FixedAnswers options(answers);
    Keeper keeper;
    {
      core::SheetRows rows = sheet->readRows();
      core::exportContacts(rows.reader(), job, options, keeper, keeper);
    }
    const std::size_t cards = keeper.rows.size();
    const core::RecordForm form = core::recordForm(version, *destination);
    std::vector<std::string> records(cards);
    std::vector<std::uint64_t> expected(cards);
    std::uint64_t sink = 0;
    const double written = nanosecondsPerCard(runs, cards, [&] {
      for (std::size_t i = 0; i < cards; ++i) {
        records[i].clear();
        core::appendRecord(records[i], keeper.rows[i], form);
      }
    });
    const double digested = nanosecondsPerCard(runs, cards, [&] {
      core::CardDigest digest;
      for (std::size_t i = 0; i < cards; ++i) {
        records[i].clear();
        digest.clear();
        core::appendRecord(records[i], keeper.rows[i], form, &digest);
        expected[i] = digest.value();
      }
    });
    // As the read-back's thread makes it, from the values alone.
    std::size_t otherwise = 0;
    const double alone = nanosecondsPerCard(runs, cards, [&] {
      core::CardDigest digest;
      otherwise = 0;
      for (std::size_t i = 0; i < cards; ++i) {
        digest.clear();
        core::expectRecord(keeper.rows[i], form, digest);
        if (digest.value() != expected[i]) ++otherwise;
      }
    });
    std::size_t differing = 0;
    const double quick = nanosecondsPerCard(runs, cards, [&] {
      differing = 0;
      for (std::size_t i = 0; i < cards; ++i) {
        const auto read = core::quickCardDigest(records[i], version);
        if (!read || *read != expected[i]) ++differing;
        sink += read.value_or(0);
      }
    });
    // As a run on one thread does it: each record read back while it is still in the cache.
    const double atOnce = nanosecondsPerCard(runs, cards, [&] {
      core::CardDigest digest;
      for (std::size_t i = 0; i < cards; ++i) {
        records[i].clear();
        digest.clear();
        core::appendRecord(records[i], keeper.rows[i], form, &digest);
        const auto read = core::quickCardDigest(records[i], version);
        if (!read || *read != digest.value()) ++differing;
      }
    });
    std::printf("%zu cards, median of %d runs, ns a card\n", cards, runs);
    std::printf("%-40s %8.1f\n%-40s %8.1f  (+%.1f)\n%-40s %8.1f\n", "record written", written,
                "record written with its digest", digested, digested - written, "quick pass",
                quick);
    std::printf("%-40s %8.1f\n", "the digest alone, nothing written", alone);
    std::printf("%-40s %8.1f  (+%.1f)\n", "written, digested and read back at once", atOnce,
                atOnce - written);
    std::printf("cards the quick pass leaves to the reader: %zu\n", differing);
    std::printf("digests made from the values alone that differ from the writer's: %zu\n",
                otherwise);
    return sink == 42 ? 3 : 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "read-back-parts: %s\n", error.what());
    return 1;
  }
}
