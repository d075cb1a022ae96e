#include "ui/ExportPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <utility>

#include "ui/Controls.h"
#include "ui/ExportChoices.h"
#include "ui/Fonts.h"
#include "ui/TabPage.h"
#include "ui/Twips.h"

namespace quillmere::ui {

using controls::button;
using controls::label;
using controls::named;
using controls::setTextColour;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kDarkRed(128, 0, 0);

}  // namespace

ExportPage::ExportPage(TabPage& page) {
  const QFont verdana = Fonts::verdana();
  const QFont tahoma = Fonts::tahoma();
  const QString allowEmpty = tr("Allow Empty Email Addresses to be Imported");
  const QString singleFile = tr("Single vCard File for All Contacts");
  const QString numbersAsShown = tr("Keep Numbers as Shown in the Sheet");

  // The boxes carry no text; their labels beside them do, and clicking a label does not
  // toggle its box.
  chkNotNull_ = named(new QCheckBox, "chkNotNull", allowEmpty, verdana);
  page.place(chkNotNull_, twipsRect(360, 720, 200, 375));
  QLabel* allowEmptyLabel = label("Label10", allowEmpty, verdana);
  setTextColour(allowEmptyLabel, kBlue);
  page.place(allowEmptyLabel, twipsRect(670, 795, 4695, 375));

  ChkSinglevCard_ = named(new QCheckBox, "ChkSinglevCard", singleFile, verdana);
  page.place(ChkSinglevCard_, twipsRect(360, 1200, 200, 375));
  QLabel* singleFileLabel = label("Label11", singleFile, verdana);
  setTextColour(singleFileLabel, kBlue);
  page.place(singleFileLabel, twipsRect(670, 1275, 2895, 375));

  // Below the version options, in the row the counters and the progress bar leave free.
  chkNumbersAsShown_ = named(new QCheckBox, "chkNumbersAsShown", numbersAsShown, verdana);
  page.place(chkNumbersAsShown_, twipsRect(360, 2160, 200, 375));
  QLabel* numbersAsShownLabel = label("lblNumbersAsShown", numbersAsShown, verdana);
  setTextColour(numbersAsShownLabel, kBlue);
  page.place(numbersAsShownLabel, twipsRect(670, 2235, 3495, 375));
  const QString asShownAdvice =
      tr("Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) "
         "rather than as stored (1512345678).");
  chkNumbersAsShown_->setToolTip(asShownAdvice);
  chkNumbersAsShown_->setAccessibleDescription(asShownAdvice);
  numbersAsShownLabel->setToolTip(asShownAdvice);

  // Right of the box whose shown numbers it reads, and the country below, right of the
  // counters' row, which leaves that place free.
  const QString international = tr("Write Phone Numbers in International Form");
  chkInternationalPhones_ = named(new QCheckBox(tr("Write Phone Numbers in &International Form")),
                                  "chkInternationalPhones", international, verdana);
  setTextColour(chkInternationalPhones_, kBlue);
  const QString internationalAdvice =
      tr("Writes every phone and fax number as +49 151 23456789, reading numbers without a "
         "country code as numbers of the country chosen. A number that cannot be read stays as "
         "it is, and the report names it.");
  chkInternationalPhones_->setToolTip(internationalAdvice);
  chkInternationalPhones_->setAccessibleDescription(internationalAdvice);
  page.place(chkInternationalPhones_, twipsRect(4320, 2160, 4695, 375));
  QLabel* countryLabel = label("lblPhoneCountry", tr("&Country:"), tahoma, tr("Country"));
  page.place(countryLabel, twipsRect(5430, 3195, 735, 255));
  cmbPhoneCountry_ = controls::dropDownList("cmbPhoneCountry", tr("Country of the Phone Numbers"));
  cmbPhoneCountry_->setFont(tahoma);
  fillPhoneCountries(*cmbPhoneCountry_);
  cmbPhoneCountry_->setEnabled(false);
  countryLabel->setBuddy(cmbPhoneCountry_);
  QObject::connect(chkInternationalPhones_, &QCheckBox::toggled, cmbPhoneCountry_,
                   &QWidget::setEnabled);
  page.place(cmbPhoneCountry_, twipsRect(6180, 3150, 2835, 315));

  // Right of the first box's caption, which ends at 5365 twips: the row is free from there.
  QLabel* destinationLabelText =
      label("lblDestination", tr("Imp&ort into:"), tahoma, tr("Import into"));
  page.place(destinationLabelText, twipsRect(5520, 795, 1140, 255));
  cmbDestination_ = controls::dropDownList("cmbDestination", tr("Import into"));
  fillDestinations(*cmbDestination_);
  const QString destinationAdvice =
      tr("Choosing where you will import the cards sets the vCard version and file mode that "
         "place reads best, and writes the forms it needs. You may still change the version "
         "and file mode afterwards. \"Any app\" writes the plain layout.");
  cmbDestination_->setToolTip(destinationAdvice);
  cmbDestination_->setAccessibleDescription(destinationAdvice);
  destinationLabelText->setBuddy(cmbDestination_);
  page.place(cmbDestination_, twipsRect(6675, 735, 2340, 315));

  // Between the counters and Save Report, whose row leaves this place free.
  QLabel* perFileLabel = label("lblPerFile", tr("Per fi&le:"), tahoma, tr("Contacts per file"));
  page.place(perFileLabel, twipsRect(5565, 2835, 840, 255));
  spnPerFile_ =
      named(new QSpinBox, "spnPerFile", tr("At most this many contacts per file"), tahoma);
  spnPerFile_->setRange(0, 1048576);
  spnPerFile_->setSingleStep(100);
  spnPerFile_->setSpecialValueText(tr("No limit"));
  // Its place leaves no room for arrows beside "No limit"; the arrow keys still step it.
  spnPerFile_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  const QString perFileAdvice =
      tr("With a single vCard file, puts at most this many contacts into each file: All "
         "Contacts 1.vcf, All Contacts 2.vcf, and so on.");
  spnPerFile_->setToolTip(perFileAdvice);
  spnPerFile_->setAccessibleDescription(perFileAdvice);
  perFileLabel->setBuddy(spnPerFile_);
  page.place(spnPerFile_, twipsRect(6420, 2760, 870, 375));

  QLabel* separateFilesNote =
      label("Label12", tr("(by default Separate vCards are saved for every Contact )"), tahoma,
            tr("By default separate vCards are saved for every contact"));
  setTextColour(separateFilesNote, kDarkRed);
  page.place(separateFilesNote, twipsRect(3960, 1275, 4575, 375));

  auto* versions = new QButtonGroup(&page);
  versions->setObjectName(QStringLiteral("versionGroup"));
  versions->setExclusive(true);
  const auto option = [&](const char* objectName, const QString& caption, int left) {
    auto* widget = named(new QRadioButton(caption), objectName, caption.trimmed(), verdana);
    versions->addButton(widget);
    page.place(widget, twipsRect(left, 1680, 2175, 375));
    return widget;
  };
  Opt2_ = option("Opt2", tr(" vCard 2.1 Version"), 360);
  Opt3_ = option("Opt3", tr(" vCard 3.0 Version"), 2760);
  Opt4_ = option("Opt4", tr(" vCard 4.0 Version"), 5040);
  // Where each version is taken, from what the address books accept.
  const auto advise = [](QRadioButton* button, const QString& advice) {
    button->setToolTip(advice);
    button->setAccessibleDescription(advice);
  };
  advise(Opt2_, tr("vCard 2.1 suits older phones and some desktop mail programs. "
                   "CardDAV servers refuse it."));
  advise(Opt3_, tr("vCard 3.0 suits most address books and both phone platforms, "
                   "Android and iPhone."));
  advise(Opt4_, tr("vCard 4.0 suits the newest apps. The stock Android contacts app "
                   "refuses it."));
  Opt2_->setChecked(true);

  lblNotNullLabel_ = label("lblNotNullLabel", tr("Number of Empty Email Contact(s)       :"),
                           tahoma, tr("Number of Empty Email Contacts"));
  page.place(lblNotNullLabel_, twipsRect(360, 2760, 2895, 375));
  lblNotNullCount_ =
      label("lblNotNullCount", QStringLiteral("0"), tahoma, tr("Empty Email Contacts Count"));
  setTextColour(lblNotNullCount_, kBlue);
  page.place(lblNotNullCount_, twipsRect(3480, 2760, 2055, 255));

  contactCountLabel_ = label("contactCountLabel", tr("Number of Contacts Added                  :"),
                             tahoma, tr("Number of Contacts Added"));
  page.place(contactCountLabel_, twipsRect(360, 3120, 3015, 255));
  lblContactCount_ =
      label("lblContactCount", QStringLiteral("0"), tahoma, tr("Contacts Added Count"));
  setTextColour(lblContactCount_, kBlue);
  page.place(lblContactCount_, twipsRect(3480, 3120, 1935, 255));
  for (QLabel* counter :
       {lblNotNullLabel_, lblNotNullCount_, contactCountLabel_, lblContactCount_}) {
    counter->setVisible(false);
  }
  for (QLabel* counter : {lblNotNullCount_, lblContactCount_})
    showCounter(counter, counter->text());

  statusBar_ = named(new QProgressBar, "statusBar", tr("Export Progress"), verdana);
  statusBar_->setRange(0, 100);
  statusBar_->setValue(0);
  statusBar_->setTextVisible(false);
  statusBar_->setVisible(false);
  page.place(statusBar_, twipsRect(360, 3600, 8655, 375));

  QLabel* savingLabel = label("Label7", tr("Saving Location :"), tahoma, tr("Saving Location"));
  page.place(savingLabel, twipsRect(360, 4155, 1335, 255));

  txtvCardSavePath_ = named(new QLineEdit, "txtvCardSavePath", tr("Saving Location"), tahoma);
  page.place(txtvCardSavePath_, twipsRect(1680, 4080, 6015, 375));

  CmdChangevCardPath_ =
      button("CmdChangevCardPath", tr("Change..."), tr("Change Saving Location"), verdana);
  page.place(CmdChangevCardPath_, twipsRect(7800, 4080, 1215, 375));

  // Right of the version options it shows the card of, under Label12's end.
  cmdPreview_ = button("cmdPreview", tr("&Preview..."), tr("Preview Card"), verdana);
  cmdPreview_->setToolTip(
      tr("Shows the card a conversion would write for each row, with the mapping and "
         "options as they are now."));
  page.place(cmdPreview_, twipsRect(7800, 1680, 1215, 375));

  // Right of the counters it reports on; their captions end left of 5535 twips.
  cmdSaveReport_ = button("cmdSaveReport", tr("&Save Report..."), tr("Save Report"), verdana);
  cmdSaveReport_->setToolTip(
      tr("Saves what happened to every row of the last conversion as a CSV file."));
  cmdSaveReport_->setEnabled(false);
  page.place(cmdSaveReport_, twipsRect(7320, 2760, 1695, 375));
}

void ExportPage::onVersionChosen(QObject& receiver,
                                 std::function<void(core::VCardVersion)> handler) {
  using core::VCardVersion;
  for (const auto& [button, version] :
       {std::pair{Opt2_, VCardVersion::V21}, std::pair{Opt3_, VCardVersion::V30},
        std::pair{Opt4_, VCardVersion::V40}}) {
    QObject::connect(button, &QRadioButton::toggled, &receiver,
                     [handler, version = version](bool on) {
                       if (on) handler(version);
                     });
  }
}

void ExportPage::onDestinationChosen(QObject& receiver, std::function<void()> handler) {
  QObject::connect(cmbDestination_, &QComboBox::currentIndexChanged, &receiver, std::move(handler));
}

void ExportPage::onOptionChanged(QObject& receiver, std::function<void()> handler) {
  QObject::connect(spnPerFile_, &QSpinBox::valueChanged, &receiver, handler);
  for (const QCheckBox* box :
       {ChkSinglevCard_, chkNotNull_, chkNumbersAsShown_, chkInternationalPhones_}) {
    QObject::connect(box, &QCheckBox::toggled, &receiver, handler);
  }
  QObject::connect(cmbPhoneCountry_, &QComboBox::currentIndexChanged, &receiver, handler);
}

void ExportPage::onChangeFolder(QObject& receiver, std::function<void()> handler) {
  QObject::connect(CmdChangevCardPath_, &QPushButton::clicked, &receiver, std::move(handler));
}

void ExportPage::onPreview(QObject& receiver, std::function<void()> handler) {
  QObject::connect(cmdPreview_, &QPushButton::clicked, &receiver, std::move(handler));
}

void ExportPage::onSaveReport(QObject& receiver, std::function<void()> handler) {
  QObject::connect(cmdSaveReport_, &QPushButton::clicked, &receiver, std::move(handler));
}

FocusOrder ExportPage::focusOrder() const {
  return {{chkNotNull_, cmbDestination_},
          {CmdChangevCardPath_, txtvCardSavePath_, ChkSinglevCard_, chkNumbersAsShown_,
           chkInternationalPhones_, cmbPhoneCountry_, Opt2_, Opt3_, Opt4_, cmdPreview_, spnPerFile_,
           cmdSaveReport_}};
}

bool ExportPage::singleFile() const {
  return ChkSinglevCard_->isChecked();
}

bool ExportPage::allowEmptyEmail() const {
  return chkNotNull_->isChecked();
}

bool ExportPage::numbersAsShown() const {
  return chkNumbersAsShown_->isChecked();
}

QString ExportPage::numbersAsShownCaption() const {
  return chkNumbersAsShown_->accessibleName();
}

bool ExportPage::internationalPhones() const {
  return chkInternationalPhones_->isChecked();
}

QString ExportPage::phoneCountry() const {
  return cmbPhoneCountry_->currentData().toString();
}

core::Destination ExportPage::destination() const {
  return destinationChosen(*cmbDestination_);
}

QString ExportPage::destinationName() const {
  return cmbDestination_->currentText();
}

std::int32_t ExportPage::perFile() const {
  return spnPerFile_->value();
}

void ExportPage::setVersion(core::VCardVersion version) {
  using core::VCardVersion;
  QRadioButton* button = version == VCardVersion::V21   ? Opt2_
                         : version == VCardVersion::V40 ? Opt4_
                                                        : Opt3_;
  button->setChecked(true);
}

void ExportPage::setSingleFile(bool single) {
  ChkSinglevCard_->setChecked(single);
}

void ExportPage::setNumbersAsShown(bool asShown) {
  chkNumbersAsShown_->setChecked(asShown);
}

QString ExportPage::folder() const {
  return txtvCardSavePath_->text();
}

void ExportPage::setFolder(const QString& folder) {
  txtvCardSavePath_->setText(folder);
}

void ExportPage::clearFolder() {
  txtvCardSavePath_->clear();
}

void ExportPage::enableSaveReport(bool enabled) {
  cmdSaveReport_->setEnabled(enabled);
}

void ExportPage::showProgressBar(bool shown) {
  statusBar_->setVisible(shown);
}

void ExportPage::setProgress(int percent) {
  statusBar_->setValue(percent);
}

void ExportPage::showCounters(bool shown) {
  for (QLabel* label : {lblNotNullCount_, lblNotNullLabel_, contactCountLabel_, lblContactCount_})
    label->setVisible(shown);
}

void ExportPage::showContactCount(const QString& text) {
  showCounter(lblContactCount_, text);
}

void ExportPage::showEmptyEmailCount(const QString& text) {
  showCounter(lblNotNullCount_, text);
}

void ExportPage::zeroCounters() {
  for (QLabel* counter : {lblContactCount_, lblNotNullCount_}) {
    counter->setText(QStringLiteral("0"));
    counter->setAccessibleDescription(counter->text());
  }
}

void ExportPage::showCounter(QLabel* counter, const QString& text) {
  counter->setText(text);
  // Heard as the caption beside it and the count it shows: "Number of Contacts Added: 3/4".
  const QLabel* caption = counter == lblContactCount_ ? contactCountLabel_ : lblNotNullLabel_;
  counter->setAccessibleName(tr("%1: %2").arg(caption->accessibleName(), text.trimmed()));
  counter->setAccessibleDescription(text);
}

}  // namespace quillmere::ui
