// quillmere-convert: converts a workbook into vCard files the way the window does, from a shell.
// Exit status: 0 every contact written, 1 some were not, 2 bad arguments, an unreadable
// workbook or no column paired, 130 or 143 stopped by SIGINT or SIGTERM (the folder then stays
// "(incomplete)").
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "core/CollectingRecordSink.h"
#include "core/ContactField.h"
#include "core/ContactSheet.h"
#include "core/DatedExportFolder.h"
#include "core/ExportSession.h"
#include "core/FileRecordSink.h"
#include "core/MatchByName.h"
#include "core/SkippedDataText.h"
#include "core/UnpairedColumns.h"
#include "imaging/QtPictureShrinker.h"
#include "source/CellReference.h"
#include "source/SheetList.h"
#include "source/Workbook.h"
#include "source/load/SheetLoader.h"
#include "tools/CardUpload.h"
#include "tools/ConvertCommand.h"

namespace {

using namespace quillmere;
using tools::kProgramName;

// The signal that asked the run to stop; the run ends cleanly at the next row.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signal) {
  stopSignal = signal;
}

// A counter on standard error while the run goes, for a person at a terminal; a pipe or a file
// gets none of it, so scripts read only the report.
class ProgressLine {
 public:
  ProgressLine() : shown_(isatty(STDERR_FILENO) == 1) {}

  void update(const core::ExportProgress& progress) {
    // The clock is asked every 64 rows only, so the counter costs a fast run nothing.
    if (!shown_ || progress.rowsProcessed % 64 != 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (now < next_) return;
    next_ = now + std::chrono::milliseconds(200);
    std::cerr << "\r" << kProgramName << ": " << progress.rowsProcessed << " rows read, "
              << progress.contactCount << " contacts written" << std::flush;
    drawn_ = true;
  }

  // Wipes the counter's line, so the report starts at the left edge.
  void clear() {
    if (drawn_) std::cerr << "\r\033[K" << std::flush;
    drawn_ = false;
  }

 private:
  bool shown_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point next_{};
};

// Counts the failures and keeps the first few to print, moves the counter, and stops the run
// on a signal.
class RunWatcher : public core::ExportObserver {
 public:
  static constexpr std::size_t kShown = 20;
  bool rowDone(const core::ExportProgress& progress, const core::RowOutcome& outcome) override {
    if ((outcome.kind == core::RowOutcome::Kind::Failed || outcome.readsBackDifferently) &&
        shown.size() < kShown) {
      // A card that reads back differently was written; it is named apart from failures.
      shown.push_back((outcome.readsBackDifferently ? "differs row " : "failed row ") +
                      std::to_string(outcome.sheetRow) + ": " + outcome.reason);
    }
    // Cells the card could not take as their field asks, as the window's report lists them.
    if (outcome.values != nullptr && outcome.kind == core::RowOutcome::Kind::Written) {
      for (const core::ValueNote& note : outcome.values->notes()) {
        if (noted.size() < kShown) {
          noted.push_back("row " + std::to_string(outcome.sheetRow) + ": " + core::noteText(note));
        }
        ++notes;
      }
    }
    if (outcome.kind == core::RowOutcome::Kind::Written) writtenRows.push_back(outcome.sheetRow);
    line.update(progress);
    return stopSignal == 0;
  }
  std::vector<std::uint32_t> writtenRows;  // in the order their cards were written
  std::vector<std::string> shown;
  std::vector<std::string> noted;
  std::size_t notes = 0;
  ProgressLine line;
};

core::LocalTime now() {
  const std::time_t seconds = std::time(nullptr);
  std::tm local{};
  localtime_r(&seconds, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

int usageError(const std::string& problem) {
  std::cerr << kProgramName << ": " << problem << "\n"
            << "Try '" << kProgramName << " --help' for more information.\n";
  return 2;
}

void printReport(const core::ExportReport& report, const RunWatcher& watcher) {
  std::cout << "written: " << report.counts.contactCount << "\n"
            << "dropped (empty e-mail): " << report.counts.emptyEmailCount << "\n"
            << "not written: " << report.notWritten() << "\n"
            << "folder: " << report.location << "\n";
  if (report.counts.photoCount > 0 || report.counts.photoLeftOutCount > 0) {
    std::cout << "photos written: " << report.counts.photoCount << "\n"
              << "photos left out: " << report.counts.photoLeftOutCount << "\n";
  }
  if (report.counts.readBackCount > 0) {
    std::cout << "read back differently: " << report.counts.readBackCount << "\n";
  }
  for (const std::string& failure : watcher.shown)
    std::cout << failure << "\n";
  const std::int32_t unshown = report.counts.failedCount + report.counts.readBackCount -
                               static_cast<std::int32_t>(watcher.shown.size());
  if (unshown > 0) std::cout << "... and " << unshown << " more failed or differ\n";
  for (const std::string& note : watcher.noted)
    std::cout << "note " << note << "\n";
  if (watcher.notes > watcher.noted.size()) {
    std::cout << "... and " << watcher.notes - watcher.noted.size() << " more notes\n";
  }
  if (!report.readFailure.empty()) std::cout << "reading stopped: " << report.readFailure << "\n";
  if (!report.closeFailure.empty()) std::cout << "closing failed: " << report.closeFailure << "\n";
  if (report.stopped) {
    std::cout << "stopped: " << report.counts.contactCount << " contacts were written to "
              << report.location << " before the run was stopped\n";
  }
  std::cout.flush();
}

class QuietLoad : public source::LoadObserver {
 public:
  bool rowTaken(std::int32_t) override { return true; }
};

// Every column not given pairs by its header; Google's Type columns are read from the
// sheet's first rows, so the workbook is loaded for them, a read the one pass otherwise saves.
std::vector<core::ColumnPair> withPairsByName(const std::string& workbook,
                                              const source::LoadOptions& load,
                                              const std::vector<core::HeaderColumn>& headers,
                                              std::vector<core::ColumnPair> given,
                                              bool moreFields) {
  QuietLoad quiet;
  const source::SheetPreview preview =
      core::ContactSheet::load(workbook, quiet, load, 0)->takePreview();
  core::HeaderContext context;
  context.moreFields = moreFields;
  context.columnValues = [&](std::size_t column) {
    std::vector<std::string> values;
    for (std::size_t row = 1; row < preview.rowCount(); ++row)
      values.emplace_back(preview.cell(row, column));
    return values;
  };
  const std::size_t givenCount = given.size();
  std::vector<core::ColumnPair> pairs = core::addPairsByName(headers, std::move(given), context);
  for (std::size_t i = givenCount; i < pairs.size(); ++i)
    std::cout << "paired by name: " << pairs[i].header.text << " -> "
              << core::fieldName(pairs[i].field) << "\n";
  return pairs;
}

// How the desktop writes short dates, as LC_ALL, LC_TIME or LANG names its locale.
core::DayOrder desktopDayOrder() {
  for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return core::dayOrderOfLocale(value);
  }
  return core::dayOrderOfLocale("");
}

int convert(const tools::ConvertCommand& command) {
  source::LoadOptions load;
  load.headerRow = command.headerRow;
  load.allColumns = command.allColumns;
  if (!command.sheet.empty()) {
    const auto workbook = source::openWorkbook(command.workbook);
    const auto index = source::findSheet(workbook->sheets(), command.sheet);
    if (!index) {
      std::cerr << kProgramName << ": \"" << command.workbook
                << "\" has no sheet named or numbered \"" << command.sheet << "\"\n";
      return 2;
    }
    load.sheet = *index;
  }
  // One pass: the header row here, then the run finds the data rows by the load's rule as it
  // converts them, so the workbook is read once rather than loaded and then converted.
  // The columns past an empty header cell are known only once every row was seen.
  QuietLoad quiet;
  const auto sheet = command.allColumns ? core::ContactSheet::load(command.workbook, quiet, load, 0)
                                        : core::ContactSheet::openHeaderRow(command.workbook, load);
  const auto& headers = sheet->table().headers;
  std::vector<core::ColumnPair> columns;
  for (const auto& [column, field] : command.pairs) {
    if (column >= headers.size()) {
      return usageError("column " + source::columnLetters(column) + " of " + command.workbook +
                        " has no header in row " + std::to_string(command.headerRow) +
                        ", so it holds no contacts' values");
    }
    columns.push_back({headers[column], field});
  }
  if (command.matchByName) {
    columns =
        withPairsByName(command.workbook, load, headers, std::move(columns), command.moreFields);
  }
  if (columns.empty()) {
    std::cerr << kProgramName << ": no column of " << command.workbook
              << " is paired with a field: no header in row " << command.headerRow
              << " names one. Give the row the headers are in with --header-row, or pair "
                 "columns as COLUMN=FIELD rather than with --match-by-name.\n";
    return 2;
  }
  // Columns the user left out of COLUMN=FIELD were left out on purpose; those Match by Name
  // could not pair are named.
  if (command.matchByName) {
    const std::string unpaired =
        core::unpairedColumnsSentence(core::unpairedColumnsWithData(*sheet, columns));
    if (!unpaired.empty()) std::cerr << kProgramName << ": " << unpaired << ".\n";
  }
  RunWatcher watcher;
  core::FixedAnswers options({command.version, command.single, command.allowEmpty, command.asShown,
                              command.moreFields, command.phoneCountry, command.destination,
                              command.perFile, command.dayOrder.value_or(desktopDayOrder())});
  std::unique_ptr<core::RecordSink> sink =
      std::make_unique<core::FileRecordSink>(command.folder, now());
  core::CollectingRecordSink* collected = nullptr;
  if (!command.upload.url.empty()) {
    auto collector = std::make_unique<core::CollectingRecordSink>(std::move(sink));
    collected = collector.get();
    sink = std::move(collector);
  }
  core::ExportSession session(*sheet, std::move(columns), options, std::move(sink));
  const imaging::QtPictureShrinker pictures;
  session.readPictures(&pictures);
  const core::ExportReport report = session.run(watcher);
  watcher.line.clear();
  for (const auto& notice : core::skippedDataNotices(sheet->table(), report.skipped))
    std::cerr << kProgramName << ": " << notice.sentence << "\n";
  printReport(report, watcher);
  if (report.stopped) return 128 + stopSignal;
  const int written = report.everyContactWritten() ? 0 : 1;
  if (collected == nullptr) return written;
  const int sent = tools::uploadCards(command.upload, collected->records, watcher.writtenRows);
  return std::max(written, sent);
}

}  // namespace

int main(int argc, char** argv) {
  // Caught from the start, so a signal that comes while the workbook opens still ends the run
  // cleanly at its first row rather than killing it.
  struct sigaction stop {};
  stop.sa_handler = askToStop;
  sigemptyset(&stop.sa_mask);
  sigaction(SIGINT, &stop, nullptr);
  sigaction(SIGTERM, &stop, nullptr);
  tools::ConvertCommand command;
  try {
    command = tools::parseConvertCommand(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const tools::UsageError& error) {
    return usageError(error.what());
  }
  switch (command.action) {
    case tools::ConvertCommand::Action::Help:
      std::cout << tools::convertUsage() << std::flush;
      return std::cout ? 0 : 2;
    case tools::ConvertCommand::Action::Version:
      std::cout << kProgramName << " (Quillmere) " << QUILLMERE_VERSION << std::endl;
      return std::cout ? 0 : 2;
    case tools::ConvertCommand::Action::ListFields:
      for (const std::string_view field : core::kContactFields)
        std::cout << field << "\n";
      if (command.moreFields) {
        for (const std::string_view field : core::kMoreFields)
          std::cout << field << "\n";
      }
      std::cout.flush();
      return std::cout ? 0 : 2;
    case tools::ConvertCommand::Action::Convert:
      break;
  }
  try {
    return convert(command);
  } catch (const std::exception& error) {
    std::cerr << kProgramName << ": " << error.what() << "\n";
    return 2;
  }
}
