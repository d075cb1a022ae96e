#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/ContactValues.h"
#include "core/ExportObserver.h"
#include "core/ExportOptions.h"
#include "core/RecordSink.h"
#include "core/RowReport.h"
#include "source/load/SheetTable.h"
#include "tests/support/MemorySheet.h"

namespace quillmere::test {

using core::ExportObserver;
using core::ExportOptions;
using core::ExportProgress;
using core::RecordSink;
using core::RowOutcome;
using core::RowReport;
using core::SinkError;
using core::VCardVersion;

// Keeps every record per file, in order; can refuse the whole folder or single appends.
class MemorySink : public RecordSink {
 public:
  void begin() override {
    ++begins;
    if (!beginFailure.empty()) throw SinkError(beginFailure);
  }
  void append(const std::string& fileName, std::string_view record) override {
    ++appends;
    if (!beginFailure.empty()) throw SinkError(beginFailure);
    if (failAppends.count(appends) > 0)
      throw SinkError("disk full at append " + std::to_string(appends));
    files[fileName] += std::string(record) + "\r\n";
    order.push_back(fileName);
    records.emplace_back(record);
  }
  void finish() override {
    ++finishes;
    if (!finishFailure.empty()) throw SinkError(finishFailure);
  }
  void complete() override { ++completes; }
  std::string location() const override { return "/out/Quillmere_1_1_2027_0_0_0"; }

  std::map<std::string, std::string> files;
  std::vector<std::string> order;    // the file of each record stored
  std::vector<std::string> records;  // each record stored, without its line end
  std::set<int> failAppends;
  std::string beginFailure;
  std::string finishFailure;
  int begins = 0, appends = 0, finishes = 0, completes = 0;
};

// The window's options, with a count of how often each was asked.
class ScriptedOptions : public ExportOptions {
 public:
  VCardVersion vCardVersion() override {
    ++versionAsks;
    return version;
  }
  bool singleFile() override {
    ++singleAsks;
    return single;
  }
  bool allowEmptyEmail() override {
    ++emailAsks;
    return allowEmpty;
  }
  bool keepNumbersAsShown() override {
    ++shownAsks;
    return asShown;
  }
  core::Destination destination() override { return destinationChoice; }
  std::int32_t perFile() override { return perFileLimit; }
  VCardVersion version = VCardVersion::V30;
  bool single = false;
  bool allowEmpty = false;
  bool asShown = false;
  core::Destination destinationChoice = core::Destination::AnyApp;
  std::int32_t perFileLimit = 0;
  int versionAsks = 0, singleAsks = 0, emailAsks = 0, shownAsks = 0;
};

// Options that can give all their answers at once, as the window's can.
class AnsweringOptions : public ScriptedOptions {
 public:
  std::optional<core::OptionAnswers> answers() override {
    return core::OptionAnswers{version, single, allowEmpty,        asShown,
                               false,   "",     destinationChoice, perFileLimit};
  }
};

// Options whose answers hold for the whole run, as the tool's do.
class FixedAnsweringOptions : public AnsweringOptions {
 public:
  bool answersFixed() const override { return true; }
};

// Rows parsed ahead on a thread of their own, as a workbook read once is.
class ReadAheadSheet : public MemorySheet {
 public:
  using MemorySheet::MemorySheet;
  bool readsAhead() const override { return true; }
};

// Rows that never change, as kept rows are: a run may build their records on a second cursor.
class KeptSheet : public MemorySheet {
 public:
  using Formats = source::CellFormats (*)();
  explicit KeptSheet(const Rows& rows, Formats formats = nullptr)
      : MemorySheet(rows), rows_(rows), formats_(formats) {
    if (formats_ != nullptr) setCellFormats(formats_());
  }
  std::unique_ptr<source::SheetReader> anotherCursor() const override {
    return std::make_unique<KeptSheet>(rows_, formats_);
  }

 private:
  Rows rows_;
  Formats formats_;
};

class RecordingObserver : public ExportObserver {
 public:
  bool rowDone(const ExportProgress& progress, const RowOutcome& outcome) override {
    outcomes.push_back(outcome);
    outcomes.back().values = nullptr;
    outcomes.back().keys = nullptr;
    values.push_back(outcome.values != nullptr ? *outcome.values : core::ContactValues());
    progresses.push_back(progress);
    if (onRow) onRow(static_cast<int>(outcomes.size()));
    return stopAfter < 0 || static_cast<int>(outcomes.size()) < stopAfter;
  }
  std::vector<RowOutcome> outcomes;  // without their values, which live only during the call
  std::vector<core::ContactValues> values;
  std::vector<ExportProgress> progresses;
  std::function<void(int)> onRow;
  int stopAfter = -1;
};

// Records each row as RecordingObserver does and adds its outcome to a report, as a session
// does; counts the rows that came with their contact keys.
class ReportingObserver : public RecordingObserver {
 public:
  explicit ReportingObserver(RowReport& report) : report_(report) {}
  bool rowDone(const ExportProgress& progress, const RowOutcome& outcome) override {
    report_.add(outcome);
    keysMade += outcome.keys != nullptr;
    return RecordingObserver::rowDone(progress, outcome);
  }
  int keysMade = 0;

 private:
  RowReport& report_;
};

// The table a load of `rows` would leave: the headers of row 1 up to the first empty one.
inline source::SheetTable tableOf(const MemorySheet::Rows& rows, std::int32_t rowsFound,
                                  std::uint32_t lastRow) {
  source::SheetTable table;
  table.workbook = "/data/contacts.xlsx";
  std::uint32_t column = 0;
  for (const auto& cell : rows.at(1)) {
    const auto& text = std::get<std::string>(cell);
    if (text.empty()) break;
    table.headers.push_back({column, std::string(1, static_cast<char>('A' + column)), text});
    ++column;
  }
  table.rowsFound = rowsFound;
  table.lastCountedRow = lastRow;
  table.rowsCounted = true;
  return table;
}

// Column `column` (from 0) paired with `field`; the header text plays no part in a run.
inline core::ColumnPair pairOf(std::uint32_t column, core::Field field) {
  return {{column, {}, {}}, field};
}

}  // namespace quillmere::test
