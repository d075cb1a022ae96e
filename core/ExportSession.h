#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/ContactSheet.h"
#include "core/ExportObserver.h"
#include "core/ExportOptions.h"
#include "core/ExportReport.h"
#include "core/PictureShrinker.h"
#include "core/RecordSink.h"
#include "core/RowReport.h"

namespace quillmere::core {

// One conversion of a loaded sheet: reads its rows, writes each record through the sink,
// keeps what happened to every row for the report, and tells one observer as it goes. The
// window and the command line both convert through it; each only shows what it says.
class ExportSession : private ExportObserver {
 public:
  // `options` must outlive the session; they are asked as the run goes. Without a spool
  // path no report of the rows is kept.
  ExportSession(ContactSheet& sheet, std::vector<ColumnPair> columns, ExportOptions& options,
                std::unique_ptr<RecordSink> sink, std::filesystem::path reportSpool = {});
  ExportSession(const ExportSession&) = delete;
  ExportSession& operator=(const ExportSession&) = delete;
  ~ExportSession() override;

  // Reads a Photo column's pictures with `pictures`, which must outlive the session; without
  // it each photo cell is noted as not read.
  void readPictures(const PictureShrinker* pictures) { pictures_ = pictures; }

  // Converts every data row, once. Throws WorkbookChanged or source::WorkbookError before
  // anything is made when the workbook is gone or no longer the one loaded.
  ExportReport run(ExportObserver& observer);

  // The counters as they stand, for a progress bar read on a timer.
  const ExportProgress& progress() const { return progress_; }
  // What happened to every row; null before a run has ended or without a spool.
  const RowReport* rowReport() const { return finished_ ? report_.get() : nullptr; }

 private:
  bool rowDone(const ExportProgress& progress, const RowOutcome& outcome) override;

  ContactSheet& sheet_;
  std::vector<ColumnPair> columns_;
  ExportOptions& options_;
  std::unique_ptr<RecordSink> sink_;
  std::unique_ptr<RowReport> report_;
  ExportObserver* observer_ = nullptr;
  ExportProgress progress_;
  bool finished_ = false;
  const PictureShrinker* pictures_ = nullptr;
};

}  // namespace quillmere::core
