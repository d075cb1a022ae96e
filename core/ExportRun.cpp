#include "core/ExportRun.h"

#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "core/ContactFileName.h"
#include "core/ContactRowReader.h"
#include "core/ContactValues.h"
#include "core/RecordsAhead.h"
#include "core/VCardRecord.h"
#include "source/load/DataRowWalk.h"

namespace quillmere::core {

namespace {

class Run {
 public:
  Run(source::SheetReader& sheet, const ExportJob& job, ExportOptions& options, RecordSink& sink,
      ExportObserver& observer)
      : sheet_(sheet),
        job_(job),
        options_(options),
        sink_(sink),
        observer_(observer),
        reader_(job) {
    report_.counts.dataRows = job.table.dataRows();
  }

  ExportReport run() {
    try {
      sink_.begin();
    } catch (const SinkError& error) {
      // Every record will fail with this same reason; the run still takes every row so the
      // report accounts for each.
      noteFailure(error.what());
    }
    try {
      const source::SheetTable& table = job_.table;
      source::DataRowWalk rows(
          table.headers.size(), table.headerRow,
          table.rowsCounted ? table.lastCountedRow : source::DataRowWalk::kNoLastRow);
      // A run that finds the rows as it goes notes what it passes over; the sheet stands on
      // the header row here.
      report_.skipped = table.skipped;
      if (!table.rowsCounted) {
        rows.noteSkipped(report_.skipped);
        rows.notePastHeaders(sheet_);
      }
      if (!takeBuiltInTurn(rows)) {
        startBuildingAhead();
        while (rows.next(sheet_)) {
          if (!takeRow(sheet_.rowNumber())) {
            report_.stopped = true;
            break;
          }
        }
      }
    } catch (const std::exception& error) {
      report_.readFailure = error.what();
    }
    try {
      sink_.finish();
      // Only a run that took every row may look finished; a stopped or broken one never does.
      if (!report_.stopped && report_.readFailure.empty()) sink_.complete();
    } catch (const SinkError& error) {
      report_.closeFailure = error.what();
      if (report_.firstFailure.empty()) report_.firstFailure = error.what();
    }
    report_.location = sink_.location();
    // Rows found as the run went are all the data rows there are.
    if (!job_.table.rowsCounted) report_.counts.dataRows = report_.counts.rowsProcessed;
    if (report_.readFailure.empty() && !report_.stopped &&
        report_.counts.rowsProcessed < report_.counts.dataRows) {
      report_.readFailure =
          WorkbookChanged(WorkbookChanged::Kind::FewerRows, job_.table.workbook).what();
    }
    return std::move(report_);
  }

 private:
  // Rows that never change (kept rows) and options that can give all their answers at once
  // let the records be built ahead on other threads.
  void startBuildingAhead() {
    std::unique_ptr<source::SheetReader> cursor = sheet_.anotherCursor();
    if (cursor == nullptr) return;
    const std::optional<OptionAnswers> answers = options_.answers();
    if (!answers) return;
    ahead_ = std::make_unique<RecordsAhead>(std::move(cursor), job_);
    ahead_->start(0, *answers);
  }

  // A file read once as it goes on this thread, with answers that never change: two threads
  // take turns reading its rows and build their records apart. False when it cannot be read
  // that way; then nothing of it was read. A workbook read ahead keeps its one conversion
  // thread, which measured faster, as its parsing keeps a core busy of its own; but phone
  // numbers put in international form outweigh that parsing many times over, and gain from
  // both cores.
  bool takeBuiltInTurn(source::DataRowWalk& rows) {
    if (!options_.answersFixed() || sheet_.anotherCursor() != nullptr) return false;
    const std::optional<OptionAnswers> answers = options_.answers();
    if (!answers || (sheet_.readsAhead() && answers->phoneCountry.empty())) return false;
    // On the heap: its batches take more than a megabyte.
    const auto built = std::make_unique<RecordsAhead>(sheet_, rows, job_);
    built->start(0, *answers);
    while (const BuiltRow* row = built->next()) {
      if (!writeRow(row->sheetRow, row->values, row->dropped, row->record, answers->singleFile,
                    keysOf(*row))) {
        report_.stopped = true;
        return true;
      }
    }
    if (built->failure()) std::rethrow_exception(built->failure());
    return true;
  }

  bool takeRow(std::uint32_t row) {
    if (ahead_ == nullptr) return readRow(row);
    const std::optional<OptionAnswers> answers = options_.answers();
    const BuiltRow* built = ahead_->next();
    if (built != nullptr && built->sheetRow == row && answers == ahead_->answers()) {
      return writeRow(row, built->values, built->dropped, built->record, answers->singleFile,
                      keysOf(*built));
    }
    // Built with answers that changed since, or not built at all: this row is read here, and
    // the rows after it are built again with the answers now given.
    ahead_->stop();
    const bool going = readRow(row);
    if (built != nullptr && ++restarts_ <= kMaxRestarts) {
      if (const std::optional<OptionAnswers> now = options_.answers()) {
        ahead_->start(row, *now);
        return going;
      }
    }
    ahead_.reset();
    return going;
  }

  bool readRow(std::uint32_t row) {
    const bool dropped = reader_.read(sheet_, options_, values_);
    record_.clear();
    if (dropped) return writeRow(row, values_, true, record_, false);
    appendRecord(record_, values_, options_.vCardVersion());
    return writeRow(row, values_, false, record_, options_.singleFile());
  }

  static const ContactKeys* keysOf(const BuiltRow& built) {
    return built.keys ? &*built.keys : nullptr;
  }

  bool writeRow(std::uint32_t row, const ContactValues& values, bool dropped,
                const std::string& record, bool singleFile, const ContactKeys* keys = nullptr) {
    ExportProgress& counts = report_.counts;
    ++counts.rowsProcessed;
    RowOutcome outcome;
    outcome.sheetRow = row;
    outcome.values = &values;
    outcome.keys = keys;
    if (dropped) {
      ++counts.emptyEmailCount;
      outcome.kind = RowOutcome::Kind::DroppedEmptyEmail;
    } else {
      outcome.file =
          recordFileName(values, singleFile, counts.rowsProcessed, counts.emptyEmailCount);
      try {
        sink_.append(outcome.file, record);
        ++counts.contactCount;
      } catch (const SinkError& error) {
        ++counts.failedCount;
        outcome.kind = RowOutcome::Kind::Failed;
        outcome.reason = error.what();
        noteFailure(outcome.reason);
      }
    }
    return observer_.rowDone(counts, outcome);
  }

  void noteFailure(const std::string& reason) {
    if (report_.firstFailure.empty()) report_.firstFailure = reason;
  }

  source::SheetReader& sheet_;
  const ExportJob& job_;
  ExportOptions& options_;
  RecordSink& sink_;
  ExportObserver& observer_;
  ContactRowReader reader_;
  ContactValues values_;
  std::string record_;  // reused from record to record
  ExportReport report_;
  std::unique_ptr<RecordsAhead> ahead_;
  // Answers that keep changing are asked row by row again: each change starts the building
  // over from the sheet's first row.
  static constexpr int kMaxRestarts = 8;
  int restarts_ = 0;
};

}  // namespace

ExportReport exportContacts(source::SheetReader& sheet, const ExportJob& job,
                            ExportOptions& options, RecordSink& sink, ExportObserver& observer) {
  sheet.rewind();
  checkHeaderRow(sheet, job);
  return Run(sheet, job, options, sink, observer).run();
}

}  // namespace quillmere::core
