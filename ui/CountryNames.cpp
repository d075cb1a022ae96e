#include "ui/CountryNames.h"

#include <libintl.h>

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace quillmere::ui {

namespace {

// The ISO 3166 list as Debian's iso-codes ship it: the English names its translations are
// keyed by.
const char* const kIsoCodesList = "/usr/share/iso-codes/json/iso_3166-1.json";
const char* const kIsoCodesDomain = "iso_3166-1";

const QHash<QString, QByteArray>& englishNames() {
  static const QHash<QString, QByteArray> names = [] {
    QHash<QString, QByteArray> byCode;
    QFile file(QString::fromLatin1(kIsoCodesList));
    if (!file.open(QIODevice::ReadOnly)) return byCode;
    const QJsonArray countries =
        QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("3166-1")).toArray();
    for (const QJsonValue& country : countries) {
      const QJsonObject entry = country.toObject();
      const QString common = entry.value(QStringLiteral("common_name")).toString();
      byCode.insert(
          entry.value(QStringLiteral("alpha_2")).toString(),
          (common.isEmpty() ? entry.value(QStringLiteral("name")).toString() : common).toUtf8());
    }
    return byCode;
  }();
  return names;
}

}  // namespace

QString countryName(const QString& region) {
  const QLocale::Territory territory = QLocale::codeToTerritory(region);
  const QString english =
      territory == QLocale::AnyTerritory ? region : QLocale::territoryToString(territory);
  const auto found = englishNames().constFind(region);
  if (found == englishNames().constEnd()) return english;
  const char* translated = dgettext(kIsoCodesDomain, found->constData());
  // Untranslated, the list's English may differ from Qt's, which earlier versions showed.
  if (translated == found->constData()) return english;
  return QString::fromUtf8(translated);
}

}  // namespace quillmere::ui
