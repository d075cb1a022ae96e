#include "ui/Conversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>

#include "core/CounterText.h"
#include "core/ExportJob.h"
#include "core/FileRecordSink.h"
#include "core/RowReport.h"
#include "ui/ExportPage.h"
#include "ui/QtText.h"
#include "ui/RefusalText.h"

namespace quillmere::ui {

namespace {

QString caption(std::int32_t counter, std::int32_t total) {
  return fromLatin(core::counterCaption(counter, total));
}

}  // namespace

Conversion::Conversion(ExportPage& page, const core::PictureShrinker* pictures)
    : page_(page), pictures_(pictures) {}

Conversion::~Conversion() = default;

QString Conversion::nextSpool() {
  if (reportFolder_ == nullptr) reportFolder_ = std::make_unique<QTemporaryDir>();
  ++runs_;
  const QString name = QStringLiteral("rows-%1.spool").arg(runs_);
  if (reportFolder_->isValid()) return reportFolder_->filePath(name);
  return QDir::temp().filePath(
      QStringLiteral("quillmere-%1-").arg(QCoreApplication::applicationPid()) + name);
}

Conversion::Ended Conversion::run(core::ContactSheet& sheet, std::vector<core::ColumnPair> columns,
                                  core::ExportOptions& options, const QString& baseFolder,
                                  const core::LocalTime& at, const bool& stop) {
  stop_ = &stop;
  // Events first run a slice into the run, not at its first row.
  pump_ = EventPump();
  running_ = std::make_unique<core::ExportSession>(
      sheet, std::move(columns), options,
      std::make_unique<core::FileRecordSink>(QFile::encodeName(baseFolder).toStdString(), at),
      QFile::encodeName(nextSpool()).toStdString());
  running_->readPictures(pictures_);
  page_.setProgress(0);
  page_.showProgressBar(true);
  Ended ended;
  try {
    ended.report = running_->run(*this);
  } catch (const std::exception& error) {
    ended.refusal = refusalText(error);
  }
  // A report is whole only once its run has ended; a refused run keeps the last one.
  if (ended.report) {
    last_ = std::move(running_);
  } else {
    page_.showProgressBar(false);
  }
  running_.reset();
  stop_ = nullptr;
  return ended;
}

bool Conversion::rowDone(const core::ExportProgress& progress, const core::RowOutcome&) {
  // The clock is read every few rows only: a row takes microseconds, a slice milliseconds.
  if (++rowsSinceClock_ % EventPump::kStepsPerClockRead == 0 && pump_.due()) {
    showCounters(progress);
    pump_.pump();
  }
  return !*stop_;
}

void Conversion::showProgress() {
  if (running_ == nullptr) return;
  const core::ExportProgress& progress = running_->progress();
  if (progress.dataRows <= 0) {
    page_.setProgress(0);
    return;
  }
  // Rounded half to even, as the bar always has been.
  const double share = std::nearbyint(100.0 * progress.rowsProcessed / progress.dataRows);
  page_.setProgress(static_cast<int>(std::clamp(share, 0.0, 100.0)));
}

void Conversion::showCounterLabels(bool shown) {
  page_.showCounters(shown);
}

void Conversion::showCounters(const core::ExportProgress& progress) {
  // A counter that has not moved yet keeps its caption from before.
  if (progress.contactCount > 0) {
    page_.showContactCount(caption(progress.contactCount, progress.dataRows));
  }
  if (progress.emptyEmailCount > 0) {
    page_.showEmptyEmailCount(caption(progress.emptyEmailCount, progress.dataRows));
  }
}

void Conversion::showEnded(const core::ExportReport& report) {
  showCounters(report.counts);
  const core::ExportProgress& counts = report.counts;
  const std::int64_t toWrite = counts.dataRows - counts.emptyEmailCount;
  const std::int64_t share =
      report.everyContactWritten() || toWrite <= 0 ? 100 : 100 * counts.contactCount / toWrite;
  page_.setProgress(static_cast<int>(std::min<std::int64_t>(100, share)));
}

void Conversion::showNothingYet() {
  showCounterLabels(false);
  page_.zeroCounters();
  page_.setProgress(0);
}

const core::RowReport* Conversion::report() const {
  return last_ != nullptr ? last_->rowReport() : nullptr;
}

}  // namespace quillmere::ui
