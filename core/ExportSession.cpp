#include "core/ExportSession.h"

#include <utility>

#include "core/DateColumns.h"
#include "core/ExportRun.h"
#include "core/SkippedDataText.h"

namespace quillmere::core {

ExportSession::ExportSession(ContactSheet& sheet, std::vector<ColumnPair> columns,
                             ExportOptions& options, std::unique_ptr<RecordSink> sink,
                             std::filesystem::path reportSpool)
    : sheet_(sheet), columns_(std::move(columns)), options_(options), sink_(std::move(sink)) {
  if (!reportSpool.empty()) report_ = std::make_unique<RowReport>(std::move(reportSpool));
  progress_.dataRows = sheet_.table().dataRows();
}

ExportSession::~ExportSession() = default;

ExportReport ExportSession::run(ExportObserver& observer) {
  observer_ = &observer;
  ExportJob job{sheet_.table(), columns_, sheet_.decimalSeparator(), report_ != nullptr};
  job.pictures = pictures_;
  // A date column's orders come from all its rows, so they are read once before the run.
  if (pairsADate(columns_) && options_.moreFields()) {
    SheetRows scan = sheet_.readRows();
    job.dateColumns = dateColumnsOf(scan.reader(), sheet_.table().headerRow, columns_);
  }
  SheetRows rows = sheet_.readRows();
  struct Finish {
    ExportSession& session;
    ~Finish() {
      if (session.report_ != nullptr) session.report_->finish();
      session.observer_ = nullptr;
    }
  } finish{*this};
  ExportReport report = exportContacts(rows.reader(), job, options_, *sink_, *this);
  if (report_ != nullptr) {
    for (auto& notice : skippedDataNotices(sheet_.table(), report.skipped)) {
      report_->addNotRead(notice.firstRow, std::move(notice.sentence));
    }
  }
  progress_ = report.counts;
  finished_ = true;
  return report;
}

bool ExportSession::rowDone(const ExportProgress& progress, const RowOutcome& outcome) {
  progress_ = progress;
  if (report_ != nullptr) report_->add(outcome);
  return observer_->rowDone(progress, outcome);
}

}  // namespace quillmere::core
