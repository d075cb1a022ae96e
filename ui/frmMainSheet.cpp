// Step 1's choice of sheet and header row, the notice of what a load leaves unread, and
// starting a new conversion.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>

#include "core/SkippedDataText.h"
#include "source/load/SheetPreview.h"
#include "ui/Conversion.h"
#include "ui/ExportPage.h"
#include "ui/MainFrame.h"
#include "ui/QtText.h"
#include "ui/SelectPage.h"
#include "ui/frmMain.h"
#include "ui/frmPreview.h"

namespace quillmere::ui {

namespace {

// The suggestion's link sets the header row to the number after this prefix.
const QString kUseRowLink = QStringLiteral("row:");

}  // namespace

void frmMain::showLoadedSheet() {
  QComboBox* sheets = selectPage_->cmbSheet;
  QSpinBox* headerRow = selectPage_->spnHeaderRow;
  const QSignalBlocker quietSheets(sheets);
  const QSignalBlocker quietRow(headerRow);
  sheets->clear();
  QLabel* notice = frame_->lblLoadNotice;
  if (sheet_ == nullptr) {
    headerRow->setValue(1);
    notice->clear();
    return;
  }
  const source::SheetTable& table = sheet_->table();
  // Chart, macro and dialog sheets hold no rows to read, so they are not offered.
  const auto& all = sheet_->sheets();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i].kind != source::SheetKind::Worksheet) continue;
    QString name = fromUtf8(all[i].name);
    if (all[i].hidden) name = tr("%1 (hidden)").arg(name);
    sheets->addItem(name, QVariant::fromValue<qulonglong>(i));
    if (i == table.sheet) sheets->setCurrentIndex(sheets->count() - 1);
  }
  sheets->setAccessibleName(tr("Sheet: %1").arg(sheets->currentText()));
  headerRow->setValue(static_cast<int>(table.headerRow));

  QStringList sentences;
  for (const auto& skipped : core::skippedDataNotices(table, table.skipped)) {
    sentences << fromUtf8(skipped.sentence).toHtmlEscaped();
  }
  if (const auto suggested = sheet_->suggestedHeaderRow()) {
    const QString row = QString::number(*suggested);
    sentences << tr("Row 1 looks like a title: the headers seem to be in row %1. "
                    "<a href=\"%2%1\">Read the headers from row %1</a>.")
                     .arg(row, kUseRowLink);
  }
  notice->setText(sentences.join(QLatin1Char(' ')));
  // Heard and hovered whole, since three lines may not hold it all.
  QString plain = notice->text();
  plain.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  notice->setToolTip(plain);
  notice->setAccessibleDescription(plain);
}

void frmMain::cmbSheet_Click() {
  reloadSheet();
}

void frmMain::spnHeaderRow_Change() {
  reloadSheet();
}

void frmMain::reloadSheet() {
  if (sheet_ == nullptr || !steps_.browseEnabled()) return;
  const QVariant chosen = selectPage_->cmbSheet->currentData();
  const std::size_t sheet = chosen.isValid() ? chosen.value<qulonglong>() : sheet_->table().sheet;
  const auto headerRow = static_cast<std::uint32_t>(selectPage_->spnHeaderRow->value());
  if (sheet == sheet_->table().sheet && headerRow == sheet_->table().headerRow) return;
  // A load that fails leaves the sheet that was there, and the controls say so again.
  if (!extractExcelData(selectPage_->txtExcelPath->text(), sheet, headerRow) && !closing_) {
    showLoadedSheet();
  }
  steps_.browsed();
  showSteps();
}

void frmMain::useSuggestedHeaderRow(const QString& link) {
  if (!link.startsWith(kUseRowLink)) return;
  selectPage_->spnHeaderRow->setValue(link.mid(kUseRowLink.size()).toInt());
}

void frmMain::NewConversion_Click() {
  if (steps_.busy()) return;
  if (cardPreview_ != nullptr) cardPreview_->close();
  sheet_.reset();
  mapping_ = core::ColumnMapping();
  steps_ = WizardSteps();
  selectPage_->txtExcelPath->clear();
  selectPage_->showPreview(source::SheetPreview());
  setStatusPanel(frame_->panelItems, QString());
  showAboutPanel();
  // The next conversion starts from nothing, with the next step 3's default folder.
  conversion_ = std::make_unique<Conversion>(*exportPage_);
  conversion_->showCounterLabels(false);
  for (QLabel* counter : {exportPage_->lblContactCount, exportPage_->lblNotNullCount}) {
    counter->setText(QStringLiteral("0"));
    counter->setAccessibleDescription(counter->text());
  }
  exportPage_->statusBar->setValue(exportPage_->statusBar->minimum());
  exportPage_->txtvCardSavePath->clear();
  exportPage_->cmdSaveReport->setEnabled(false);
  exportFolder_.clear();
  showLoadedSheet();
  showMapping();
  showSteps();
  selectPage_->cmdBrowse->setFocus();
}

}  // namespace quillmere::ui
