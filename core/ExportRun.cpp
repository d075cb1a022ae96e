#include "core/ExportRun.h"

#include <exception>
#include <optional>
#include <string>

#include "core/ContactFileName.h"
#include "core/ContactValues.h"
#include "core/VCardRecord.h"
#include "source/CellTextForm.h"
#include "source/load/RowEmptiness.h"
#include "source/load/SheetLoader.h"

namespace quillmere::core {

namespace {

bool isEmailField(Field field) {
  return field == Field::EmailAddress || field == Field::EmailAddress2 ||
         field == Field::EmailAddress3;
}

bool onlySpaces(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

void checkHeaderRow(source::SheetReader& sheet, const ExportJob& job) {
  const auto& loaded = job.table.headers;
  const std::string name = job.table.workbook.string();
  if (!sheet.nextRow() || sheet.rowNumber() != 1) {
    throw WorkbookChanged("\"" + name +
                          "\" has changed since it was loaded: its first row of column headers "
                          "is gone. Load it again with Browse... and check the mapping.");
  }
  const auto now = source::scanHeaders(sheet, job.decimalSeparator);
  bool same = now.size() == loaded.size();
  for (std::size_t i = 0; same && i < now.size(); ++i)
    same = now[i].text == loaded[i].text;
  if (!same) {
    throw WorkbookChanged("\"" + name +
                          "\" has changed since it was loaded: its column headers in row 1 are "
                          "not the ones that were mapped. Load it again with Browse... and check "
                          "the mapping.");
  }
}

class Run {
 public:
  Run(source::SheetReader& sheet, const ExportJob& job, ExportOptions& options, RecordSink& sink,
      ExportObserver& observer)
      : sheet_(sheet), job_(job), options_(options), sink_(sink), observer_(observer) {
    fieldOf_.resize(job.table.headers.size());
    // Later columns overwrite earlier ones, so column order decides between fields mapped alike.
    for (const MappedColumn& mapped : job.columns) {
      if (mapped.column < fieldOf_.size()) fieldOf_[mapped.column] = mapped.field;
    }
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
      while (sheet_.nextRow()) {
        const std::uint32_t row = sheet_.rowNumber();
        if (row > job_.table.lastCountedRow) break;
        if (source::isEmptyRow(sheet_, fieldOf_.size())) continue;
        if (!takeRow(row)) {
          report_.stopped = true;
          break;
        }
      }
    } catch (const std::exception& error) {
      report_.readFailure = error.what();
    }
    try {
      sink_.finish();
    } catch (const SinkError& error) {
      report_.closeFailure = error.what();
      if (report_.firstFailure.empty()) report_.firstFailure = error.what();
    }
    report_.location = sink_.location();
    if (report_.readFailure.empty() && !report_.stopped &&
        report_.counts.rowsProcessed < report_.counts.dataRows) {
      report_.readFailure = "\"" + job_.table.workbook.string() +
                            "\" has changed since it was loaded: fewer rows of contacts were "
                            "found in it than were counted then.";
    }
    return std::move(report_);
  }

 private:
  bool takeRow(std::uint32_t row) {
    ExportProgress& counts = report_.counts;
    ++counts.rowsProcessed;
    RowOutcome outcome;
    outcome.sheetRow = row;
    if (readValues()) {
      ++counts.emptyEmailCount;
      outcome.kind = RowOutcome::Kind::DroppedEmptyEmail;
    } else {
      ++recordNumber_;
      const std::string record = buildRecord(values_, options_.vCardVersion());
      outcome.file = options_.singleFile() ? std::string(kSingleFileName)
                                           : separateFileName(values_, recordNumber_);
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

  // Fills the row's values; true when the empty e-mail rule drops the row.
  bool readValues() {
    values_.clear();
    const std::size_t columns = std::min(fieldOf_.size(), sheet_.cellCount());
    for (std::size_t column = 0; column < columns; ++column) {
      const std::optional<Field> field = fieldOf_[column];
      // The job title comes only from JobTitle; the honorific field feeds no line.
      if (!field || *field == Field::Title) continue;
      const source::CellValue cell = sheet_.cell(column);
      // An error value of the sheet is not a contact's detail.
      if (source::isEmptyCell(cell) || cell.kind == source::CellKind::Error) continue;
      text_.clear();
      source::appendTextForm(text_, cell, job_.decimalSeparator);
      if (isEmailField(*field) && onlySpaces(text_) && !options_.allowEmptyEmail()) return true;
      values_[*field] = text_;
    }
    return false;
  }

  void noteFailure(const std::string& reason) {
    if (report_.firstFailure.empty()) report_.firstFailure = reason;
  }

  source::SheetReader& sheet_;
  const ExportJob& job_;
  ExportOptions& options_;
  RecordSink& sink_;
  ExportObserver& observer_;
  std::vector<std::optional<Field>> fieldOf_;
  ContactValues values_;
  std::string text_;
  std::int64_t recordNumber_ = 0;
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
