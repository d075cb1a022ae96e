// Converts a workbook into vCard files the way the window does, for benchmarks and for
// checking a conversion by hand.
// Usage: convert WORKBOOK FOLDER VERSION [--single] [--allow-empty] [--as-shown]
//        [--sheet NAME|NUMBER] [--header-row N] [--match-by-name] COLUMN=FIELD...
// Exit status: 0 every contact written, 1 some were not, 2 bad arguments or an unreadable
// workbook, 130 or 143 stopped by SIGINT or SIGTERM (the folder then stays "(incomplete)").
#include <algorithm>
#include <charconv>
#include <csignal>
#include <ctime>
#include <exception>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ContactField.h"
#include "core/ContactSheet.h"
#include "core/DatedExportFolder.h"
#include "core/ExportSession.h"
#include "core/FileRecordSink.h"
#include "core/MatchByName.h"
#include "core/SkippedDataText.h"
#include "source/CellReference.h"
#include "source/SheetList.h"
#include "source/Workbook.h"
#include "source/load/SheetLoader.h"

namespace {

using namespace quillmere;

constexpr std::string_view kUsage =
    "usage: convert WORKBOOK FOLDER VERSION [--single] [--allow-empty] [--as-shown]\n"
    "               [--sheet NAME|NUMBER] [--header-row N] [--match-by-name] COLUMN=FIELD...\n"
    "  VERSION is 2.1, 3.0 or 4.0; COLUMN is the column's letters (A, B, ..., AA);\n"
    "  FIELD is a contact field such as FirstName, LastName or EmailAddress;\n"
    "  --as-shown takes numbers as the sheet displays them;\n"
    "  --sheet reads the worksheet of that name or place in tab order (from 1);\n"
    "  --header-row reads the headers from row N, the contacts from the rows below it;\n"
    "  --match-by-name pairs every other column by its header, as Match by Name does.\n";

class FixedOptions : public core::ExportOptions {
 public:
  std::string version;
  bool single = false;
  bool allowEmpty = false;
  bool asShown = false;
  std::string vCardVersion() override { return version; }
  bool singleFile() override { return single; }
  bool allowEmptyEmail() override { return allowEmpty; }
  bool keepNumbersAsShown() override { return asShown; }
};

// The signal that asked the run to stop; the run ends cleanly at the next row.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signal) {
  stopSignal = signal;
}

// Counts the failures and keeps the first few to print; stops the run on a signal.
class FailureList : public core::ExportObserver {
 public:
  static constexpr std::size_t kShown = 20;
  bool rowDone(const core::ExportProgress&, const core::RowOutcome& outcome) override {
    if (outcome.kind == core::RowOutcome::Kind::Failed && shown.size() < kShown) {
      shown.push_back("row " + std::to_string(outcome.sheetRow) + ": " + outcome.reason);
    }
    return stopSignal == 0;
  }
  std::vector<std::string> shown;
};

core::LocalTime now() {
  const std::time_t seconds = std::time(nullptr);
  std::tm local{};
  localtime_r(&seconds, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::optional<std::uint32_t> rowNumber(const std::string& text) {
  std::uint32_t row = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), row);
  if (error != std::errc{} || end != text.data() + text.size() || row == 0) return std::nullopt;
  return row;
}

int usage(const std::string& problem) {
  std::cerr << "convert: " << problem << "\n" << kUsage;
  return 2;
}

constexpr std::string_view kMatchByName = "--match-by-name";

class QuietLoad : public source::LoadObserver {
 public:
  bool rowTaken(std::int32_t) override { return true; }
};

// Every column not given pairs by its header; Google's Type columns are read from the
// sheet's first rows, so the workbook is loaded for them, a read the one pass otherwise saves.
std::vector<core::ColumnPair> withPairsByName(const std::string& workbook,
                                              const source::LoadOptions& load,
                                              const std::vector<core::HeaderColumn>& headers,
                                              std::vector<core::ColumnPair> given) {
  QuietLoad quiet;
  const source::SheetPreview preview =
      core::ContactSheet::load(workbook, quiet, load, 0)->takePreview();
  core::HeaderContext context;
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

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.size() < 4) return usage("too few arguments");
  const auto byName = std::find(arguments.begin(), arguments.end(), kMatchByName);
  const bool matchByName = byName != arguments.end();
  if (matchByName) arguments.erase(byName);
  const std::string workbookPath = arguments[0];
  const std::string folder = arguments[1];
  FixedOptions options;
  options.version = arguments[2];
  if (options.version != "2.1" && options.version != "3.0" && options.version != "4.0") {
    return usage("the version must be 2.1, 3.0 or 4.0, not \"" + options.version + "\"");
  }
  std::vector<std::pair<std::uint32_t, core::Field>> pairs;
  std::optional<std::string> sheetWanted;
  source::LoadOptions load;
  for (std::size_t i = 3; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if ((argument == "--sheet" || argument == "--header-row") && i + 1 == arguments.size()) {
      return usage(argument + " needs a value");
    }
    if (argument == "--sheet") {
      sheetWanted = arguments[++i];
      continue;
    }
    if (argument == "--header-row") {
      const auto row = rowNumber(arguments[++i]);
      if (!row)
        return usage("the header row must be a row number from 1, not \"" + arguments[i] + "\"");
      load.headerRow = *row;
      continue;
    }
    if (argument == "--single") {
      options.single = true;
      continue;
    }
    if (argument == "--allow-empty") {
      options.allowEmpty = true;
      continue;
    }
    if (argument == "--as-shown") {
      options.asShown = true;
      continue;
    }
    const auto equals = argument.find('=');
    if (equals == std::string::npos) return usage("\"" + argument + "\" is not COLUMN=FIELD");
    const auto column = source::parseColumnLetters(argument.substr(0, equals));
    const auto field = core::fieldFromName(argument.substr(equals + 1));
    if (!column) return usage("\"" + argument.substr(0, equals) + "\" is not a column");
    if (!field) return usage("\"" + argument.substr(equals + 1) + "\" is not a contact field");
    pairs.emplace_back(*column, *field);
  }
  if (pairs.empty() && !matchByName) return usage("no column is mapped to a field");

  try {
    // One pass: the header row here, then the run finds the data rows by the load's rule as
    // it converts them, so the workbook is read once rather than loaded and then converted.
    if (sheetWanted) {
      const auto workbook = source::openWorkbook(workbookPath);
      const auto index = source::findSheet(workbook->sheets(), *sheetWanted);
      if (!index) {
        std::cerr << "convert: \"" << workbookPath << "\" has no sheet named or numbered \""
                  << *sheetWanted << "\"\n";
        return 2;
      }
      load.sheet = *index;
    }
    const auto sheet = core::ContactSheet::openHeaderRow(workbookPath, load);
    const auto& headers = sheet->table().headers;
    std::vector<core::ColumnPair> columns;
    for (const auto& [column, field] : pairs) {
      if (column >= headers.size()) {
        return usage("column " + source::columnLetters(column) + " has no header in row " +
                     std::to_string(load.headerRow) + ", so it holds no contacts' values");
      }
      columns.push_back({headers[column], field});
    }
    if (matchByName) columns = withPairsByName(workbookPath, load, headers, std::move(columns));
    FailureList failures;
    struct sigaction stop {};
    stop.sa_handler = askToStop;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    core::ExportSession session(*sheet, std::move(columns), options,
                                std::make_unique<core::FileRecordSink>(folder, now()));
    const core::ExportReport report = session.run(failures);
    for (const auto& notice : core::skippedDataNotices(sheet->table(), report.skipped))
      std::cerr << "convert: " << notice.sentence << "\n";
    std::cout << "written: " << report.counts.contactCount << "\n"
              << "dropped (empty e-mail): " << report.counts.emptyEmailCount << "\n"
              << "not written: " << report.notWritten() << "\n"
              << "folder: " << report.location << "\n";
    for (const std::string& failure : failures.shown)
      std::cout << "failed " << failure << "\n";
    if (report.counts.failedCount > static_cast<std::int32_t>(failures.shown.size())) {
      std::cout << "... and " << report.counts.failedCount - failures.shown.size()
                << " more failed\n";
    }
    if (!report.readFailure.empty()) std::cout << "reading stopped: " << report.readFailure << "\n";
    if (!report.closeFailure.empty())
      std::cout << "closing failed: " << report.closeFailure << "\n";
    if (report.stopped) {
      std::cout << "stopped: " << report.counts.contactCount << " contacts were written to "
                << report.location << " before the run was stopped\n";
      std::cout.flush();
      return 128 + stopSignal;
    }
    std::cout.flush();
    return report.everyContactWritten() ? 0 : 1;
  } catch (const std::exception& error) {
    std::cerr << "convert: " << error.what() << "\n";
    return 2;
  }
}
