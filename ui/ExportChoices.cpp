#include "ui/ExportChoices.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/PhoneNumbers.h"
#include "ui/CountryNames.h"

namespace quillmere::ui {

namespace {

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

void fillDestinations(QComboBox& list) {
  for (const core::DestinationProfile& profile : core::kDestinations)
    list.addItem(destinationLabel(profile.destination),
                 QString::fromLatin1(profile.name.data(), profile.name.size()));
}

core::Destination destinationChosen(const QComboBox& list) {
  const QByteArray name = list.currentData().toString().toLatin1();
  return core::destinationNamed(std::string_view(name.constData(), name.size()))
      .value_or(core::Destination::AnyApp);
}

}  // namespace quillmere::ui
