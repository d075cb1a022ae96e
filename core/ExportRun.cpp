#include "core/ExportRun.h"

#include <exception>
#include <string>

#include "core/ContactFileName.h"
#include "core/ContactRowReader.h"
#include "core/ContactValues.h"
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
      while (rows.next(sheet_)) {
        if (!takeRow(sheet_.rowNumber())) {
          report_.stopped = true;
          break;
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
  bool takeRow(std::uint32_t row) {
    ExportProgress& counts = report_.counts;
    ++counts.rowsProcessed;
    RowOutcome outcome;
    outcome.sheetRow = row;
    outcome.values = &values_;
    if (reader_.read(sheet_, options_, values_)) {
      ++counts.emptyEmailCount;
      outcome.kind = RowOutcome::Kind::DroppedEmptyEmail;
    } else {
      record_.clear();
      appendRecord(record_, values_, options_.vCardVersion());
      outcome.file = recordFileName(values_, options_.singleFile(), counts.rowsProcessed,
                                    counts.emptyEmailCount);
      try {
        sink_.append(outcome.file, record_);
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
};

}  // namespace

ExportReport exportContacts(source::SheetReader& sheet, const ExportJob& job,
                            ExportOptions& options, RecordSink& sink, ExportObserver& observer) {
  sheet.rewind();
  checkHeaderRow(sheet, job);
  return Run(sheet, job, options, sink, observer).run();
}

}  // namespace quillmere::core
