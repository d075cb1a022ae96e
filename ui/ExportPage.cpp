#include "ui/ExportPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/Destination.h"
#include "core/PhoneNumbers.h"
#include "ui/Controls.h"
#include "ui/CountryNames.h"
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

// Every country libphonenumber knows, by its name on this desktop and its calling code, with
// its region code as data; the desktop's own country chosen.
void fillPhoneCountries(QComboBox& list) {
  std::vector<std::pair<QString, QString>> countries;
  for (const std::string& code : core::phoneCountries()) {
    const QString region = QString::fromStdString(code);
    const QString name = countryName(region);
    countries.emplace_back(QStringLiteral("%1 (+%2)").arg(name).arg(core::phoneCallingCode(code)),
                           region);
  }
  std::sort(countries.begin(), countries.end(), [](const auto& a, const auto& b) {
    return QString::localeAwareCompare(a.first, b.first) < 0;
  });
  for (const auto& [name, region] : countries)
    list.addItem(name, region);
  // A desktop that names no country (the C locale) follows the United States' conventions.
  const QLocale::Territory own = QLocale::system().territory();
  const QString ownCode =
      own == QLocale::AnyTerritory ? QStringLiteral("US") : QLocale::territoryToCode(own);
  list.setCurrentIndex(std::max(0, list.findData(ownCode)));
}

// The destinations by their names on this desktop, in the order the choice lists them.
QString destinationLabel(core::Destination destination) {
  switch (destination) {
    case core::Destination::AnyApp:
      return QCoreApplication::translate("ExportPage", "Any app");
    case core::Destination::Android:
      return QCoreApplication::translate("ExportPage", "Android");
    case core::Destination::ICloud:
      return QCoreApplication::translate("ExportPage", "iPhone and iCloud");
    case core::Destination::Google:
      return QCoreApplication::translate("ExportPage", "Google Contacts");
    case core::Destination::Outlook:
      return QCoreApplication::translate("ExportPage", "Outlook");
    case core::Destination::CardDav:
      return QCoreApplication::translate("ExportPage", "Nextcloud and CardDAV");
    case core::Destination::Thunderbird:
      return QCoreApplication::translate("ExportPage", "Thunderbird");
  }
  return {};
}

}  // namespace

ExportPage::ExportPage(TabPage& page) {
  const QFont verdana = Fonts::verdana();
  const QFont tahoma = Fonts::tahoma();
  const QString allowEmpty = tr("Allow Empty Email Addresses to be Imported");
  const QString singleFile = tr("Single vCard File for All Contacts");
  const QString numbersAsShown = tr("Keep Numbers as Shown in the Sheet");

  // The boxes carry no text; their labels beside them do, and clicking a label does not
  // toggle its box.
  chkNotNull = named(new QCheckBox, "chkNotNull", allowEmpty, verdana);
  page.place(chkNotNull, twipsRect(360, 720, 200, 375));
  QLabel* allowEmptyLabel = label("Label10", allowEmpty, verdana);
  setTextColour(allowEmptyLabel, kBlue);
  page.place(allowEmptyLabel, twipsRect(670, 795, 4695, 375));

  ChkSinglevCard = named(new QCheckBox, "ChkSinglevCard", singleFile, verdana);
  page.place(ChkSinglevCard, twipsRect(360, 1200, 200, 375));
  QLabel* singleFileLabel = label("Label11", singleFile, verdana);
  setTextColour(singleFileLabel, kBlue);
  page.place(singleFileLabel, twipsRect(670, 1275, 2895, 375));

  // Below the version options, in the row the counters and the progress bar leave free.
  chkNumbersAsShown = named(new QCheckBox, "chkNumbersAsShown", numbersAsShown, verdana);
  page.place(chkNumbersAsShown, twipsRect(360, 2160, 200, 375));
  QLabel* numbersAsShownLabel = label("lblNumbersAsShown", numbersAsShown, verdana);
  setTextColour(numbersAsShownLabel, kBlue);
  page.place(numbersAsShownLabel, twipsRect(670, 2235, 3495, 375));
  const QString asShownAdvice =
      tr("Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) "
         "rather than as stored (1512345678).");
  chkNumbersAsShown->setToolTip(asShownAdvice);
  chkNumbersAsShown->setAccessibleDescription(asShownAdvice);
  numbersAsShownLabel->setToolTip(asShownAdvice);

  // Right of the box whose shown numbers it reads, and the country below, right of the
  // counters' row, which leaves that place free.
  const QString international = tr("Write Phone Numbers in International Form");
  chkInternationalPhones = named(new QCheckBox(tr("Write Phone Numbers in &International Form")),
                                 "chkInternationalPhones", international, verdana);
  setTextColour(chkInternationalPhones, kBlue);
  const QString internationalAdvice =
      tr("Writes every phone and fax number as +49 151 23456789, reading numbers without a "
         "country code as numbers of the country chosen. A number that cannot be read stays as "
         "it is, and the report names it.");
  chkInternationalPhones->setToolTip(internationalAdvice);
  chkInternationalPhones->setAccessibleDescription(internationalAdvice);
  page.place(chkInternationalPhones, twipsRect(4320, 2160, 4695, 375));
  QLabel* countryLabel = label("lblPhoneCountry", tr("&Country:"), tahoma, tr("Country"));
  page.place(countryLabel, twipsRect(5430, 3195, 735, 255));
  cmbPhoneCountry = controls::dropDownList("cmbPhoneCountry", tr("Country of the Phone Numbers"));
  cmbPhoneCountry->setFont(tahoma);
  fillPhoneCountries(*cmbPhoneCountry);
  cmbPhoneCountry->setEnabled(false);
  countryLabel->setBuddy(cmbPhoneCountry);
  QObject::connect(chkInternationalPhones, &QCheckBox::toggled, cmbPhoneCountry,
                   &QWidget::setEnabled);
  page.place(cmbPhoneCountry, twipsRect(6180, 3150, 2835, 315));

  // Right of the first box's caption, which ends at 5365 twips: the row is free from there.
  QLabel* destinationLabelText =
      label("lblDestination", tr("Imp&ort into:"), tahoma, tr("Import into"));
  page.place(destinationLabelText, twipsRect(5520, 795, 1140, 255));
  cmbDestination = controls::dropDownList("cmbDestination", tr("Import into"));
  for (const core::DestinationProfile& profile : core::kDestinations)
    cmbDestination->addItem(destinationLabel(profile.destination),
                            QString::fromLatin1(profile.name.data(), profile.name.size()));
  const QString destinationAdvice =
      tr("Choosing where you will import the cards sets the vCard version and file mode that "
         "place reads best, and writes the forms it needs. You may still change the version "
         "and file mode afterwards. \"Any app\" writes the plain layout.");
  cmbDestination->setToolTip(destinationAdvice);
  cmbDestination->setAccessibleDescription(destinationAdvice);
  destinationLabelText->setBuddy(cmbDestination);
  page.place(cmbDestination, twipsRect(6675, 735, 2340, 315));

  // Between the counters and Save Report, whose row leaves this place free.
  QLabel* perFileLabel = label("lblPerFile", tr("Per fi&le:"), tahoma, tr("Contacts per file"));
  page.place(perFileLabel, twipsRect(5565, 2835, 840, 255));
  spnPerFile = named(new QSpinBox, "spnPerFile", tr("At most this many contacts per file"), tahoma);
  spnPerFile->setRange(0, 1048576);
  spnPerFile->setSingleStep(100);
  spnPerFile->setSpecialValueText(tr("No limit"));
  // Its place leaves no room for arrows beside "No limit"; the arrow keys still step it.
  spnPerFile->setButtonSymbols(QAbstractSpinBox::NoButtons);
  const QString perFileAdvice =
      tr("With a single vCard file, puts at most this many contacts into each file: All "
         "Contacts 1.vcf, All Contacts 2.vcf, and so on.");
  spnPerFile->setToolTip(perFileAdvice);
  spnPerFile->setAccessibleDescription(perFileAdvice);
  perFileLabel->setBuddy(spnPerFile);
  page.place(spnPerFile, twipsRect(6420, 2760, 870, 375));

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
  Opt2 = option("Opt2", tr(" vCard 2.1 Version"), 360);
  Opt3 = option("Opt3", tr(" vCard 3.0 Version"), 2760);
  Opt4 = option("Opt4", tr(" vCard 4.0 Version"), 5040);
  // Where each version is taken, from what the address books accept.
  const auto advise = [](QRadioButton* button, const QString& advice) {
    button->setToolTip(advice);
    button->setAccessibleDescription(advice);
  };
  advise(Opt2, tr("vCard 2.1 suits older phones and some desktop mail programs. "
                  "CardDAV servers refuse it."));
  advise(Opt3, tr("vCard 3.0 suits most address books and both phone platforms, "
                  "Android and iPhone."));
  advise(Opt4, tr("vCard 4.0 suits the newest apps. The stock Android contacts app "
                  "refuses it."));
  Opt2->setChecked(true);

  lblNotNullLabel = label("lblNotNullLabel", tr("Number of Empty Email Contact(s)       :"), tahoma,
                          tr("Number of Empty Email Contacts"));
  page.place(lblNotNullLabel, twipsRect(360, 2760, 2895, 375));
  lblNotNullCount =
      label("lblNotNullCount", QStringLiteral("0"), tahoma, tr("Empty Email Contacts Count"));
  setTextColour(lblNotNullCount, kBlue);
  page.place(lblNotNullCount, twipsRect(3480, 2760, 2055, 255));

  contactCountLabel = label("contactCountLabel", tr("Number of Contacts Added                  :"),
                            tahoma, tr("Number of Contacts Added"));
  page.place(contactCountLabel, twipsRect(360, 3120, 3015, 255));
  lblContactCount =
      label("lblContactCount", QStringLiteral("0"), tahoma, tr("Contacts Added Count"));
  setTextColour(lblContactCount, kBlue);
  page.place(lblContactCount, twipsRect(3480, 3120, 1935, 255));
  for (QLabel* counter : {lblNotNullLabel, lblNotNullCount, contactCountLabel, lblContactCount}) {
    counter->setVisible(false);
  }
  for (QLabel* counter : {lblNotNullCount, lblContactCount})
    showCounter(counter, counter->text());

  statusBar = named(new QProgressBar, "statusBar", tr("Export Progress"), verdana);
  statusBar->setRange(0, 100);
  statusBar->setValue(0);
  statusBar->setTextVisible(false);
  statusBar->setVisible(false);
  page.place(statusBar, twipsRect(360, 3600, 8655, 375));

  QLabel* savingLabel = label("Label7", tr("Saving Location :"), tahoma, tr("Saving Location"));
  page.place(savingLabel, twipsRect(360, 4155, 1335, 255));

  txtvCardSavePath = named(new QLineEdit, "txtvCardSavePath", tr("Saving Location"), tahoma);
  page.place(txtvCardSavePath, twipsRect(1680, 4080, 6015, 375));

  CmdChangevCardPath =
      button("CmdChangevCardPath", tr("Change..."), tr("Change Saving Location"), verdana);
  page.place(CmdChangevCardPath, twipsRect(7800, 4080, 1215, 375));

  // Right of the version options it shows the card of, under Label12's end.
  cmdPreview = button("cmdPreview", tr("&Preview..."), tr("Preview Card"), verdana);
  cmdPreview->setToolTip(
      tr("Shows the card a conversion would write for each row, with the mapping and "
         "options as they are now."));
  page.place(cmdPreview, twipsRect(7800, 1680, 1215, 375));

  // Right of the counters it reports on; their captions end left of 5535 twips.
  cmdSaveReport = button("cmdSaveReport", tr("&Save Report..."), tr("Save Report"), verdana);
  cmdSaveReport->setToolTip(
      tr("Saves what happened to every row of the last conversion as a CSV file."));
  cmdSaveReport->setEnabled(false);
  page.place(cmdSaveReport, twipsRect(7320, 2760, 1695, 375));
}

void ExportPage::showCounter(QLabel* counter, const QString& text) {
  counter->setText(text);
  // Heard as the caption beside it and the count it shows: "Number of Contacts Added: 3/4".
  const QLabel* caption = counter == lblContactCount ? contactCountLabel : lblNotNullLabel;
  counter->setAccessibleName(tr("%1: %2").arg(caption->accessibleName(), text.trimmed()));
  counter->setAccessibleDescription(text);
}

}  // namespace quillmere::ui
