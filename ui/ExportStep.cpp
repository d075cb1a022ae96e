#include "ui/ExportStep.h"

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

ExportStep::ExportStep(ExportPage& page, QLabel& notice, LinkLabel& noticeLink, const MapPage& map,
                       const core::PictureShrinker* pictures)
    : page_(page),
      pictures_(pictures),
      options_(std::make_unique<WindowOptions>(version_, page, map)),
      conversion_(std::make_unique<Conversion>(page, pictures)),
      notice_(notice, noticeLink, page) {}

ExportStep::~ExportStep() = default;

void ExportStep::chooseVersion(core::VCardVersion version) {
  version_ = version;
  refreshPreview();
}

QString ExportStep::applyDestination() {
  const core::DestinationProfile& profile = core::profileOf(options_->destination());
  if (!profile.standardForms) return {};
  page_.setVersion(profile.version.value_or(core::VCardVersion::V30));
  page_.setSingleFile(profile.singleFile);
  // A phone number's leading zero is part of it.
  page_.setNumbersAsShown(true);
  return tr("%1: vCard %2, %3.")
      .arg(page_.destinationName(), QLatin1StringView(core::versionText(version_)),
           profile.singleFile ? tr("one file") : tr("a file per contact"));
}

void ExportStep::enter(const std::function<QString()>& defaultFolder) {
  if (page_.folder().isEmpty()) page_.setFolder(defaultFolder());
}

void ExportStep::folderChosen(const QString& chosen) {
  conversion_->showCounterLabels(!chosen.isEmpty());
  if (!chosen.isEmpty()) page_.setFolder(chosen);
}

QString ExportStep::baseFolder() const {
  return trimSpaces(page_.folder());
}

void ExportStep::runStarting() {
  page_.enableSaveReport(false);
}

void ExportStep::runEnded() {
  page_.enableSaveReport(conversion_->report() != nullptr);
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
  page_.clearFolder();
  page_.enableSaveReport(false);
  notice_.reset();
}

}  // namespace quillmere::ui
