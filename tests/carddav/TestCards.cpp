#include "TestCards.h"

#include <QDir>
#include <QFile>
#include <array>
#include <stdexcept>
#include <string>

#include "core/ContactUid.h"
#include "core/ContactValues.h"
#include "core/VCardRecord.h"

namespace quillmere::carddav::test {
namespace {

using core::Field;

constexpr std::array<std::pair<const char*, const char*>, 8> kNames{{
    {"Anna", "Müller"},
    {"Иван", "Петров"},
    {"Γιώργος", "Παπαδόπουλος"},
    {"太郎", "山田"},
    {"محمد", "العلي"},
    {"John", "Smith, Jr."},
    {"Zoë", "O'Brien; PhD"},
    {"Łukasz", "Żółć"},
}};
constexpr std::array<const char*, 5> kNotes{{
    "Met at the fair, booth 5;\nRoom 2",
    "C:\\Users\\ann\\new",
    "line one\r\nline two\r\n\r\nend",
    "snow ☃ and 🍣",
    "",
}};

core::ContactValues contact(int row, bool changed) {
  core::ContactValues values;
  const auto& [first, last] = kNames[static_cast<std::size_t>(row) % kNames.size()];
  const std::string n = std::to_string(row);
  values[Field::FirstName] = first;
  values[Field::LastName] = last;
  values[Field::MiddleName] = row % 4 == 0 ? "Q." : "";
  values[Field::Title] = row % 3 == 0 ? "Dr." : "";
  values[Field::Company] = "Firma " + n + ", GmbH & Co; KG";
  values[Field::JobTitle] = "Lead, team " + n;
  values[Field::EmailAddress] = "person" + n + "@example.org";
  values[Field::EmailAddress2] = row % 2 ? "second." + n + "@example.org" : "";
  values[Field::BusinessTelephoneNumber] = "+49 30 " + std::to_string(100000 + row);
  values[Field::MobileNumber] = changed ? "+49 151 " + std::to_string(900000 + row) : "";
  values[Field::HomeAddressStreet] = row % 3 ? "Hauptstr. " + n : "";
  values[Field::HomeAddressCity] = row % 3 ? "Berlin" : "";
  values[Field::BusinessAddress] = row % 2 ? n + " Main St\nKöln" : "";
  values[Field::BusinessHomePage] = "https://example.com/p?q=a,b;c&i=" + n;
  values[Field::Notes] = changed ? std::string("changed in the sheet, row ") + n
                                 : kNotes[static_cast<std::size_t>(row) % kNotes.size()];
  return values;
}

}  // namespace

QList<OutgoingCard> makeCards(int count, const QSet<int>& changedRows, core::VCardVersion version) {
  QList<OutgoingCard> cards;
  for (int row = 2; row < count + 2; ++row) {
    const std::string text = core::buildRecord(contact(row, changedRows.contains(row)),
                                               core::RecordForm{version, true, true});
    const std::size_t at = core::uidValueAt(text);
    const std::string uid = text.substr(at, text.find("\r\n", at) - at);
    cards.append({row, QString::fromStdString(uid), QByteArray::fromStdString(text), false, {}});
  }
  return cards;
}

void writeCards(const QList<OutgoingCard>& cards, const QString& folder) {
  QDir().mkpath(folder);
  for (const OutgoingCard& card : cards) {
    QFile file(folder + "/" + card.uid + ".vcf");
    if (!file.open(QIODevice::WriteOnly) || file.write(card.text) != card.text.size()) {
      throw std::runtime_error("cannot write a card to " + folder.toStdString());
    }
  }
}

}  // namespace quillmere::carddav::test
