// The conversion: Convert, the output folder, the counters, the progress bar and the report.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <exception>
#include <memory>

#include "core/CounterText.h"
#include "core/DatedExportFolder.h"
#include "core/ExportRun.h"
#include "core/FileRecordSink.h"
#include "core/RowReport.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "ui/Clock.h"
#include "ui/EventPump.h"
#include "ui/ExportPage.h"
#include "ui/LocaleNumbers.h"
#include "ui/Module1.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowOptions.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

namespace {

QString caption(std::int32_t counter, std::int32_t total) {
  return QString::fromLatin1(core::counterCaption(counter, total).c_str());
}

core::LocalTime localTime(const QDateTime& at) {
  const QDate day = at.date();
  const QTime time = at.time();
  return {day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second()};
}

// Only spaces are trimmed, as everywhere a folder or an e-mail is tested for emptiness.
QString trimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first) == u' ')
    ++first;
  while (last > first && text.at(last - 1) == u' ')
    --last;
  return text.mid(first, last - first);
}

}  // namespace

// Keeps the window answering during a run, the counters moving, and stops the run when the
// window closes.
class frmMain::ExportProgressPump : public core::ExportObserver {
 public:
  explicit ExportProgressPump(frmMain& window) : window_(window) {}

  bool rowDone(const core::ExportProgress& progress, const core::RowOutcome& outcome) override {
    window_.rowsProcessed_ = progress.rowsProcessed;
    window_.report_->add(outcome);
    if (pump_.due()) {
      window_.showCounters(progress);
      pump_.pump();
    }
    return !window_.closing_;
  }

 private:
  frmMain& window_;
  EventPump pump_;
};

void frmMain::showCounterLabels(bool shown) {
  for (QLabel* label : {exportPage_->lblNotNullCount, exportPage_->lblNotNullLabel,
                        exportPage_->contactCountLabel, exportPage_->lblContactCount})
    label->setVisible(shown);
}

void frmMain::showCounters(const core::ExportProgress& progress) {
  // A counter that has not moved yet keeps its caption from before.
  if (progress.contactCount > 0) {
    exportPage_->lblContactCount->setText(caption(progress.contactCount, progress.dataRows));
  }
  if (progress.emptyEmailCount > 0) {
    exportPage_->lblNotNullCount->setText(caption(progress.emptyEmailCount, progress.dataRows));
  }
}

void frmMain::CmdChangevCardPath_Click() {
  const QString chosen = BrowseForFolder(prompts_, this, QStringLiteral("Select Folder"));
  if (!chosen.isEmpty()) {
    showCounterLabels(true);
    exportPage_->txtvCardSavePath->setText(chosen);
  } else {
    showCounterLabels(false);
  }
  steps_.folderChosen();
  showSteps();
}

void frmMain::progressBar_Timer() {
  const std::int32_t total = sheet_.dataRows();
  if (total <= 0) {
    exportPage_->statusBar->setValue(0);
    return;
  }
  // Rounded half to even, as the bar always has been.
  const double share = std::nearbyint(100.0 * rowsProcessed_ / total);
  exportPage_->statusBar->setValue(static_cast<int>(std::clamp(share, 0.0, 100.0)));
}

void frmMain::exportContacts() {
  const QString base = trimSpaces(exportPage_->txtvCardSavePath->text());
  if (base.isEmpty()) {
    static_cast<void>(prompts_.message(this, QStringLiteral("Please Choose Saving Location"),
                                       productName(), Prompts::Buttons::Ok,
                                       Prompts::Icon::Information));
    steps_.conversionRefused(false);
    showSteps();
    showCounterLabels(false);
    return;
  }

  const auto refuse = [this](const QString& problem) {
    static_cast<void>(prompts_.message(this, problem, productName(), Prompts::Buttons::Ok,
                                       Prompts::Icon::Warning));
    steps_.conversionRefused(true);
    showSteps();
    showCounterLabels(false);
  };
  std::unique_ptr<source::Workbook> workbook;
  try {
    workbook = source::openWorkbook(sheet_.workbook);
  } catch (const std::exception& error) {
    refuse(QString::fromUtf8(error.what()));
    return;
  }

  rowsProcessed_ = 0;
  exportPage_->statusBar->setValue(0);
  exportPage_->statusBar->setVisible(true);
  progressBar_->start();
  setBusy(true);
  // A report is whole only once its run has ended; until then there is none to save. The
  // last run's report stays in case this run is refused before it begins.
  std::unique_ptr<core::RowReport> earlier = std::move(report_);
  exportPage_->cmdSaveReport->setEnabled(false);
  if (reportFolder_ == nullptr) reportFolder_ = std::make_unique<QTemporaryDir>();
  ++reportRuns_;
  const QString spoolName = QStringLiteral("rows-%1.spool").arg(reportRuns_);
  const QString spool =
      reportFolder_->isValid()
          ? reportFolder_->filePath(spoolName)
          : QDir::temp().filePath(
                QStringLiteral("quillmere-%1-").arg(QCoreApplication::applicationPid()) +
                spoolName);
  report_ = std::make_unique<core::RowReport>(QFile::encodeName(spool).toStdString());

  const core::ExportJob job{sheet_, mappedColumns(), localeDecimalSeparator()};
  ExportProgressPump pump(*this);
  core::FileRecordSink sink(QFile::encodeName(base).toStdString(), localTime(clock_.now()));
  std::optional<core::ExportReport> report;
  QString problem;
  try {
    report = core::exportContacts(workbook->firstSheet(), job, *options_, sink, pump);
  } catch (const std::exception& error) {
    problem = QString::fromUtf8(error.what());
  }
  workbook.reset();
  progressBar_->stop();
  report_->finish();
  setBusy(false);
  if (closing_) return;
  if (!report) {
    report_ = std::move(earlier);
    exportPage_->cmdSaveReport->setEnabled(report_ != nullptr);
    exportPage_->statusBar->setVisible(false);
    refuse(problem);
    return;
  }
  exportPage_->cmdSaveReport->setEnabled(true);
  exportPage_->statusBar->setValue(100);
  showCounters(report->counts);
  exportFolder_ = fromUtf8(report->location);
  reportExport(*report);
}

void frmMain::reportExport(const core::ExportReport& report) {
  if (report.everyContactWritten()) {
    const Prompts::Answer answer = prompts_.message(
        this,
        QStringLiteral("The contacts have been exported successfully to vCard files.\r\n"
                       "Would you like to open folder containing excel file. Click Yes else "
                       "click No."),
        QStringLiteral("Open Destination Folder"), Prompts::Buttons::YesNo, Prompts::Icon::None);
    if (answer == Prompts::Answer::Yes) {
      ShellOpen(shell_, exportFolder_);
    } else {
      close();
    }
    return;
  }

  const std::int32_t written = report.counts.contactCount;
  const std::int32_t missing = report.notWritten();
  const std::string& reason = !report.readFailure.empty() && report.counts.failedCount == 0
                                  ? report.readFailure
                                  : report.firstFailure;
  QString text = QStringLiteral("Not every contact could be exported.\r\n");
  text += QStringLiteral("%1 of %2 contacts were written to \"%3\"; %4 were not.\r\n")
              .arg(written)
              .arg(written + missing)
              .arg(exportFolder_)
              .arg(missing);
  text += QStringLiteral("The reason: %1\r\n").arg(fromUtf8(reason));
  if (written == 0) {
    text += QStringLiteral("Choose another saving location with Change... and convert again.");
    static_cast<void>(
        prompts_.message(this, text, productName(), Prompts::Buttons::Ok, Prompts::Icon::Warning));
    return;
  }
  text += QStringLiteral(
      "Would you like to open the folder with the contacts that were written? Click Yes to "
      "open it, or No to choose another saving location with Change... and convert again.");
  if (prompts_.message(this, text, productName(), Prompts::Buttons::YesNo,
                       Prompts::Icon::Warning) == Prompts::Answer::Yes) {
    ShellOpen(shell_, exportFolder_);
  }
}

std::vector<core::MappedColumn> frmMain::mappedColumns() const {
  std::vector<core::MappedColumn> columns;
  columns.reserve(mapping_.pairs().size());
  for (const core::ColumnPair& pair : mapping_.pairs())
    columns.push_back({pair.header.column, pair.field});
  return columns;
}

void frmMain::cmdSaveReport_Click() {
  if (report_ == nullptr || steps_.busy()) return;
  // Beside the run's own folder, named after it, so reports of several runs stay apart.
  const QFileInfo folder(exportFolder_);
  const QString suggested =
      folder.dir().filePath(folder.fileName() + QStringLiteral(" report.csv"));
  const QString chosen = prompts_.chooseSaveFile(this, QStringLiteral("Save Report"), suggested,
                                                 QStringLiteral("CSV File (*.csv)"));
  if (chosen.isEmpty()) return;
  try {
    report_->saveCsv(QFile::encodeName(chosen).toStdString());
  } catch (const core::ReportError& error) {
    static_cast<void>(prompts_.message(this, QString::fromUtf8(error.what()), productName(),
                                       Prompts::Buttons::Ok, Prompts::Icon::Warning));
    return;
  }
  showStatusMessage(QStringLiteral("Report saved as %1").arg(QFileInfo(chosen).fileName()));
}

}  // namespace quillmere::ui
