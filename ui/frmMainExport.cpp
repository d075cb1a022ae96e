// Step 3's handlers: Convert and what it tells the user, the saving location, the progress
// timer and Save Report. The run itself is the Conversion's.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "core/ContactSheet.h"
#include "core/Destination.h"
#include "core/RowReport.h"
#include "ui/Clock.h"
#include "ui/Conversion.h"
#include "ui/ExportStep.h"
#include "ui/MapStep.h"
#include "ui/Module1.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/RefusalText.h"
#include "ui/WindowOptions.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

namespace {

// Message boxes break their lines as the program always has.
const QString kNewLine = QStringLiteral("\r\n");

core::LocalTime localTime(const QDateTime& at) {
  const QDate day = at.date();
  const QTime time = at.time();
  return {day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second()};
}

// The photos a run wrote and left out, counted as quillmere-convert counts them; nothing when
// it met no photo cell.
QString photoCounts(const core::ExportProgress& counts) {
  if (counts.photoCount == 0 && counts.photoLeftOutCount == 0) return {};
  return QCoreApplication::translate("quillmere::ui::frmMain", "Photos written: %1; left out: %2.")
             .arg(counts.photoCount)
             .arg(counts.photoLeftOutCount) +
         kNewLine;
}

}  // namespace

void frmMain::CmdChangevCardPath_Click() {
  exportStep_->folderChosen(BrowseForFolder(prompts_, this, tr("Select Folder")));
  steps_.folderChosen();
  showSteps();
}

void frmMain::progressBar_Timer() {
  exportStep_->conversion().showProgress();
}

void frmMain::exportContacts() {
  const QString base = exportStep_->baseFolder();
  Conversion& conversion = exportStep_->conversion();
  if (base.isEmpty()) {
    static_cast<void>(prompts_.message(this, tr("Please Choose Saving Location"), productName(),
                                       Prompts::Buttons::Ok, Prompts::Icon::Information));
    steps_.conversionRefused(false);
    showSteps();
    conversion.showCounterLabels(false);
    return;
  }

  progressBar_->start();
  setBusy(true);
  exportStep_->runStarting();
  const Conversion::Ended ended =
      conversion.run(*selectStep_->sheet(), mapStep_->pairs(), exportStep_->options(), base,
                     localTime(clock_.now()), closing_);
  progressBar_->stop();
  setBusy(false);
  exportStep_->runEnded();
  if (!ended.report) {
    if (closing_) {
      close();
      return;
    }
    static_cast<void>(prompts_.message(this, ended.refusal, productName(), Prompts::Buttons::Ok,
                                       Prompts::Icon::Warning));
    steps_.conversionRefused(true);
    showSteps();
    conversion.showCounterLabels(false);
    return;
  }
  const core::ExportReport& report = *ended.report;
  steps_.conversionEnded();
  exportStep_->notice().runEnded(report.counts);
  exportStep_->notice().show();
  showSteps();
  exportFolder_ = fromUtf8(report.location);
  conversion.showEnded(report);
  if (closing_) {
    // The window goes, but the user hears what the stopped run left behind.
    static_cast<void>(
        prompts_.message(this,
                         tr("The conversion was stopped. %1 of %2 contacts were written to \"%3\".")
                             .arg(report.counts.contactCount)
                             .arg(report.counts.dataRows)
                             .arg(QDir::toNativeSeparators(exportFolder_)),
                         productName(), Prompts::Buttons::Ok, Prompts::Icon::Information));
    close();
    return;
  }
  reportExport(report);
}

void frmMain::reportExport(const core::ExportReport& report) {
  if (report.everyContactWritten()) {
    const Prompts::Answer answer = prompts_.message(
        this,
        tr("The contacts have been exported successfully to vCard files.") + kNewLine +
            photoCounts(report.counts) +
            tr("Would you like to open folder containing excel file. Click Yes else click No."),
        tr("Open Destination Folder"), Prompts::Buttons::YesNo, Prompts::Icon::None);
    if (answer == Prompts::Answer::Yes) {
      ShellOpen(shell_, exportFolder_);
    } else {
      close();
    }
    return;
  }

  const std::int32_t written = report.counts.contactCount;
  const std::int32_t missing = report.notWritten();
  if (report.onlyReadBackDiffers()) {
    QString text = tr("All %1 contacts were written to \"%2\", but the cards of %3 read back "
                      "otherwise than their rows; Save Report... lists them.")
                       .arg(written)
                       .arg(exportFolder_)
                       .arg(report.counts.readBackCount) +
                   kNewLine + photoCounts(report.counts);
    text += tr("The first: %1").arg(fromUtf8(report.firstReadBack)) + kNewLine;
    text += tr("Would you like to open the folder? Click Yes to open it, or No to stay here.");
    if (prompts_.message(this, text, productName(), Prompts::Buttons::YesNo,
                         Prompts::Icon::Warning) == Prompts::Answer::Yes) {
      ShellOpen(shell_, exportFolder_);
    }
    return;
  }
  const core::ExportReport::Reason reason = report.reasonNotWritten();
  const QString because =
      tr("The reason: %1").arg(refusalText(reason.error, reason.text)) + kNewLine;
  if (written == 0) {
    // Only a folder that is there is named.
    QString text = QFileInfo::exists(exportFolder_)
                       ? tr("No contact was written to \"%1\".").arg(exportFolder_) + kNewLine
                       : tr("No contact was written.") + kNewLine;
    text += because;
    text += tr("Choose another saving location with Change... and convert again.");
    static_cast<void>(
        prompts_.message(this, text, productName(), Prompts::Buttons::Ok, Prompts::Icon::Warning));
    return;
  }
  QString text = tr("Not every contact could be exported.") + kNewLine;
  text += tr("%1 of %2 contacts were written to \"%3\"; %4 were not.")
              .arg(written)
              .arg(written + missing)
              .arg(exportFolder_)
              .arg(missing) +
          kNewLine + photoCounts(report.counts);
  text += because;
  text +=
      tr("Would you like to open the folder with the contacts that were written? Click Yes to "
         "open it, or No to choose another saving location with Change... and convert again.");
  if (prompts_.message(this, text, productName(), Prompts::Buttons::YesNo,
                       Prompts::Icon::Warning) == Prompts::Answer::Yes) {
    ShellOpen(shell_, exportFolder_);
  }
}

void frmMain::cmbDestination_Click() {
  // The status bar holds what was set; the choice's tooltip says more.
  const QString set = exportStep_->applyDestination();
  if (!set.isEmpty()) showStatusMessage(set);
  exportStep_->refreshPreview();
}

void frmMain::cmdSaveReport_Click() {
  const core::RowReport* report = exportStep_->conversion().report();
  if (report == nullptr || steps_.busy()) return;
  // Beside the run's own folder, named after it, so reports of several runs stay apart.
  const QFileInfo folder(exportFolder_);
  const QString suggested =
      folder.dir().filePath(folder.fileName() + QStringLiteral(" report.csv"));
  const QString chosen =
      prompts_.chooseSaveFile(this, tr("Save Report"), suggested, tr("CSV File (*.csv)"));
  if (chosen.isEmpty()) return;
  try {
    report->saveCsv(QFile::encodeName(chosen).toStdString());
  } catch (const core::ReportError& error) {
    static_cast<void>(prompts_.message(this, QString::fromUtf8(error.what()), productName(),
                                       Prompts::Buttons::Ok, Prompts::Icon::Warning));
    return;
  }
  showStatusMessage(tr("Report saved as %1").arg(QFileInfo(chosen).fileName()));
}

}  // namespace quillmere::ui
