#include "ui/ExportStep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>

#include "core/Destination.h"
#include "ui/Conversion.h"
#include "ui/ExportPage.h"
#include "ui/WindowOptions.h"
#include "ui/frmPreview.h"

namespace quillmere::ui {

namespace {

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

ExportStep::ExportStep(ExportPage& page, QLabel& notice, LinkLabel& noticeLink,
                       const QCheckBox& moreFields, const core::PictureShrinker* pictures)
    : page_(page),
      pictures_(pictures),
      options_(std::make_unique<WindowOptions>(version_, *page.ChkSinglevCard, *page.chkNotNull,
                                               *page.chkNumbersAsShown, moreFields,
                                               *page.chkInternationalPhones, *page.cmbPhoneCountry,
                                               *page.cmbDestination, *page.spnPerFile)),
      conversion_(std::make_unique<Conversion>(page, pictures)),
      notice_(notice, noticeLink, *page.chkNumbersAsShown) {}

ExportStep::~ExportStep() = default;

void ExportStep::chooseVersion(core::VCardVersion version) {
  version_ = version;
  refreshPreview();
}

QString ExportStep::applyDestination() {
  const core::DestinationProfile& profile = core::profileOf(options_->destination());
  if (!profile.standardForms) return {};
  using core::VCardVersion;
  QRadioButton* version = profile.version == VCardVersion::V21   ? page_.Opt2
                          : profile.version == VCardVersion::V40 ? page_.Opt4
                                                                 : page_.Opt3;
  version->setChecked(true);
  page_.ChkSinglevCard->setChecked(profile.singleFile);
  // A phone number's leading zero is part of it.
  page_.chkNumbersAsShown->setChecked(true);
  return tr("%1: vCard %2, %3.")
      .arg(page_.cmbDestination->currentText(), QLatin1StringView(core::versionText(version_)),
           profile.singleFile ? tr("one file") : tr("a file per contact"));
}

void ExportStep::enter(const std::function<QString()>& defaultFolder) {
  if (page_.txtvCardSavePath->text().isEmpty()) page_.txtvCardSavePath->setText(defaultFolder());
}

void ExportStep::folderChosen(const QString& chosen) {
  conversion_->showCounterLabels(!chosen.isEmpty());
  if (!chosen.isEmpty()) page_.txtvCardSavePath->setText(chosen);
}

QString ExportStep::baseFolder() const {
  return trimSpaces(page_.txtvCardSavePath->text());
}

void ExportStep::runStarting() {
  page_.cmdSaveReport->setEnabled(false);
}

void ExportStep::runEnded() {
  page_.cmdSaveReport->setEnabled(conversion_->report() != nullptr);
}

void ExportStep::showPreview(QWidget& owner, core::ContactSheet& sheet,
                             const std::vector<core::ColumnPair>& pairs) {
  if (preview_ == nullptr) {
    preview_ = new frmPreview(&owner, sheet, pairs, *options_, pictures_);
    QRect box(QPoint(), preview_->size());
    box.moveCenter(owner.geometry().center());
    preview_->setGeometry(box);
  }
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
}

void ExportStep::refreshPreview() {
  if (preview_ != nullptr) preview_->refresh();
}

void ExportStep::closePreview() {
  if (preview_ != nullptr) preview_->close();
}

void ExportStep::reset() {
  closePreview();
  // The next conversion starts from nothing, with the next step 3's default folder.
  conversion_ = std::make_unique<Conversion>(page_, pictures_);
  conversion_->showNothingYet();
  page_.txtvCardSavePath->clear();
  page_.cmdSaveReport->setEnabled(false);
  notice_.reset();
}

}  // namespace quillmere::ui
