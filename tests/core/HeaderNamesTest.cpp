#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/HeaderNameTable.h"
#include "core/HeaderNames.h"
#include "core/HeaderText.h"
#include "tests/core/ExportHeaderRows.h"

namespace quillmere::core {
namespace {

using enum Field;
using test::Column;
using test::kGoogleCurrent;
using test::kGoogleOlder;
using test::kNothing;
using test::kOutlookEnglish;
using test::kOutlookFrench;
using test::kOutlookGerman;
using test::kPlainList;
using test::kThunderbird;

std::string describe(std::optional<Field> field) {
  return field ? std::string(fieldName(*field)) : std::string("(nothing)");
}

void expectEveryColumn(std::span<const Column> row) {
  for (const auto& column : row) {
    EXPECT_EQ(describe(fieldForHeader(column.header)), describe(column.field))
        << "header \"" << column.header << "\"";
  }
}

std::vector<std::string> headersOf(std::span<const Column> row) {
  std::vector<std::string> headers;
  for (const auto& column : row)
    headers.emplace_back(column.header);
  return headers;
}

using Pairs = std::vector<std::pair<std::size_t, Field>>;

// Pairs with field names, so that a failure prints them readably.
std::vector<std::pair<std::size_t, std::string_view>> named(const Pairs& pairs) {
  std::vector<std::pair<std::size_t, std::string_view>> result;
  for (const auto& [index, field] : pairs)
    result.emplace_back(index, fieldName(field));
  return result;
}

std::set<std::string_view> fieldsOf(const Pairs& pairs) {
  std::set<std::string_view> fields;
  for (const auto& pair : pairs)
    fields.insert(fieldName(pair.second));
  return fields;
}

TEST(HeaderNames, OutlookEnglishRowNamesTwentySevenFields) {
  expectEveryColumn(kOutlookEnglish);
  const auto pairs = matchHeadersByName(headersOf(kOutlookEnglish), {});
  EXPECT_EQ(pairs.size(), 27u);
  std::set<std::string_view> allButWholeNameAndAddresses(kContactFields.begin(),
                                                         kContactFields.end());
  for (const auto field : {FullName, BusinessAddress, HomeAddress})
    allButWholeNameAndAddresses.erase(fieldName(field));
  EXPECT_EQ(fieldsOf(pairs), allButWholeNameAndAddresses);
}

TEST(HeaderNames, OutlookGermanRowNamesTheSameFieldsWithOrtLeftToOrtPrivat) {
  expectEveryColumn(kOutlookGerman);
  const auto pairs = matchHeadersByName(headersOf(kOutlookGerman), {});
  EXPECT_EQ(pairs.size(), 27u);
  EXPECT_EQ(fieldsOf(pairs), fieldsOf(matchHeadersByName(headersOf(kOutlookEnglish), {})));
  for (const auto& [index, field] : pairs) {
    if (field == HomeAddressCity) {
      EXPECT_EQ(kOutlookGerman[index].header, std::string_view("Ort privat"));
    }
  }
}

TEST(HeaderNames, OutlookFrenchRowLeavesBothTitreColumnsUnpaired) {
  expectEveryColumn(kOutlookFrench);
  const auto pairs = matchHeadersByName(headersOf(kOutlookFrench), {});
  EXPECT_EQ(pairs.size(), 25u);
  EXPECT_FALSE(fieldsOf(pairs).contains(fieldName(Title)));
  EXPECT_FALSE(fieldsOf(pairs).contains(fieldName(JobTitle)));
}

TEST(HeaderNames, GoogleRowsNameOnlyTheUntypedColumns) {
  expectEveryColumn(kGoogleOlder);
  expectEveryColumn(kGoogleCurrent);
  EXPECT_EQ(matchHeadersByName(headersOf(kGoogleOlder), {}).size(), 12u);
  EXPECT_EQ(matchHeadersByName(headersOf(kGoogleCurrent), {}).size(), 12u);
}

TEST(HeaderNames, ThunderbirdRowPairsEachFieldWithItsColumn) {
  expectEveryColumn(kThunderbird);
  const Pairs expected{
      {0, FirstName},
      {1, LastName},
      {2, FullName},
      {4, EmailAddress},
      {5, EmailAddress2},
      {7, BusinessTelephoneNumber},
      {8, HomeTelephoneNumber},
      {11, MobileNumber},
      {12, HomeAddressStreet},
      {14, HomeAddressCity},
      {15, HomeAddressState},
      {16, HomeAddressPostalCode},
      {17, HomeAddressCountry},
      {18, BusinessAddressStreet},
      {20, BusinessAddressCity},
      {21, BusinessAddressState},
      {22, BusinessAddressPostalCode},
      {23, BusinessAddressCountry},
      {24, JobTitle},
      {25, Department},
      {26, Company},
      {27, BusinessHomePage},
      {36, Notes},
  };
  EXPECT_EQ(named(matchHeadersByName(headersOf(kThunderbird), {})), named(expected));
}

TEST(HeaderNames, PlainListNamesEveryColumnButTheBirthday) {
  expectEveryColumn(kPlainList);
  EXPECT_EQ(matchHeadersByName(headersOf(kPlainList), {}).size(), 11u);
}

TEST(HeaderNames, TranslatedNamesMatchTypedWithoutAccentsOrInOtherCase) {
  const Column columns[]{
      {"APELLIDOS", LastName},
      {"Correo electronico", EmailAddress},
      {"movil", MobileNumber},
      {"Codigo Postal", HomeAddressPostalCode},
      {"Societa", Company},
      {"CITTÀ", HomeAddressCity},
      {"Telemovel", MobileNumber},
      {"Endereco de E-Mail", EmailAddress},
      {"VOORNAAM", FirstName},
      {"IMIE", FirstName},
      {"nazwisko", LastName},
      {"Telefon komorkowy", MobileNumber},
      {"MIEJSCOWOŚĆ", HomeAddressCity},
      {"Wojewodztwo", HomeAddressState},
      {"Strasse", HomeAddressStreet},
      {"Telefon geschaftlich", BusinessTelephoneNumber},
      {"Societe", Company},
      {"TELEPHONE (DOMICILE)", HomeTelephoneNumber},
  };
  expectEveryColumn(columns);
}

TEST(HeaderNames, DocumentedChoicesForNamesThatCouldMislead) {
  const Column columns[]{
      {"Name", FullName},
      {"Display Name", FullName},
      {"Title", Title},
      {"Job Title", JobTitle},
      {"Organization", Company},
      {"Company", Company},
      {"Web Page", BusinessHomePage},
      {"Website", BusinessHomePage},
      {"Personal Web Page", kNothing},
      {"Business Address", BusinessAddress},
      {"Home Address", HomeAddressStreet},
      {"Work Address", BusinessAddressStreet},
      {"Zip", HomeAddressPostalCode},
      {"Postal Code", HomeAddressPostalCode},
      {"Postcode", HomeAddressPostalCode},
      {"Nom", LastName},
      {"Nombre", FirstName},
  };
  expectEveryColumn(columns);
}

// Each could name several fields, or names data the catalogue has no field for.
constexpr std::string_view kHeadersNamingNothing[]{
    "Phone",
    "Telephone",
    "Tel.",
    "Phone Number",
    "Address",
    "Fax",
    "Fax Number",
    "E-mail Type",
    "E-mail Display Name",
    "Nickname",
    "Birthday",
    "Suffix",
    "Pager",
    "Gender",
    "Occupation",
    "Primary Phone",
    "Company Main Phone",
    "Other Street",
    "Phone 1 - Value",
    "Address 1 - Street",
    "Address 1 - City",
    "Titre",
    "Telefon",
    "Adresse",
    "Téléphone",
    "Teléfono",
    "Dirección",
    "Indirizzo",
    "Apelido",
    "Tussenvoegsel",
    "Estado",
};

TEST(HeaderNames, HeadersThatCouldBeSeveralFieldsOrNoneNameNothing) {
  for (const auto header : kHeadersNamingNothing) {
    EXPECT_EQ(describe(fieldForHeader(header)), "(nothing)") << "header \"" << header << "\"";
  }
}

TEST(HeaderNames, SheetWithoutContactHeadersPairsNothing) {
  const std::vector<std::string> headers{"ID", "Invoice No.", "Amount", "Total (EUR)", "Due",
                                         "",   "   ",         "---"};
  for (const auto& header : headers)
    EXPECT_FALSE(fieldForHeader(header).has_value()) << header;
  EXPECT_TRUE(matchHeadersByName(headers, {}).empty());
  EXPECT_TRUE(matchHeadersByName({}, {}).empty());
}

TEST(HeaderNames, CaseAccentsSpacingAndPunctuationAreIgnored) {
  // U+2011 is the non-breaking hyphen, U+FEFF a byte order mark left on the first header.
  for (const std::string_view header :
       {"E-mail Address", "e-mail address", "EMAIL_ADDRESS", "Email-Address", " E mail  address ",
        "E.Mail.Address", "E\u2011Mail\u2011Address", "E-Mail-Adresse", "E\u2011Mail\u2011Adresse",
        "e-mail-adresse", "\uFEFFE-mail Address"}) {
    EXPECT_EQ(describe(fieldForHeader(header)), "EmailAddress") << "header \"" << header << "\"";
  }
  for (const std::string_view header :
       {"Prénom", "PRENOM", "PRÉNOM", "prenom", "Pre\u0301nom", "(Prénom)", "Prénom:"}) {
    EXPECT_EQ(describe(fieldForHeader(header)), "FirstName") << "header \"" << header << "\"";
  }
  for (const std::string_view header : {"Straße geschäftlich", "STRASSE GESCHÄFTLICH",
                                        "strasse_geschaftlich", "Straße (geschäftlich)"}) {
    EXPECT_EQ(describe(fieldForHeader(header)), "BusinessAddressStreet") << header;
  }
}

TEST(HeaderText, FoldsLatinLettersToLowerCaseBaseLetters) {
  EXPECT_EQ(foldHeaderText("Ä ä É é Ł ł"), "aaeell");
  EXPECT_EQ(foldHeaderText("ß Æ æ Œ œ Þ Ĳ"), "ssaeaeoeoethij");
  EXPECT_EQ(foldHeaderText("ø Ø ñ Ñ ç Ç å Å ü Ü ÿ Ÿ"), "oonnccaauuyy");
  EXPECT_EQ(foldHeaderText("ą ć ę ń ó ś ź ż Ą Ć Ę Ń Ó Ś Ź Ż"), "acenoszzacenoszz");
  EXPECT_EQ(foldHeaderText("ő ű č ř š ž ğ ı İ ſ"), "oucrszgiis");
  EXPECT_EQ(foldHeaderText("Nº ª"), "noa");
}

TEST(HeaderText, DropsSpacesPunctuationAndSymbolsButKeepsDigits) {
  EXPECT_EQ(foldHeaderText("Business Country/Region"), "businesscountryregion");
  EXPECT_EQ(foldHeaderText("Téléphone de l'assistant(e)"), "telephonedelassistante");
  EXPECT_EQ(foldHeaderText("Téléphone de l’assistant(e)"), "telephonedelassistante");
  EXPECT_EQ(foldHeaderText("E-Mail 2: Adresse"), "email2adresse");
  EXPECT_EQ(foldHeaderText("Tel.\tNr.\r\n#1"), "telnr1");
  EXPECT_EQ(foldHeaderText("First\u00A0Name \u2013 «x» ¿y? ¡z! ©®°±·×÷"), "firstnamexyz");
  EXPECT_EQ(foldHeaderText("Pre\u0301nom"), "prenom");
  EXPECT_EQ(foldHeaderText("\uFEFFName"), "name");
  EXPECT_EQ(foldHeaderText("x²y³z¹"), "x2y3z1");
  EXPECT_EQ(foldHeaderText(""), "");
}

TEST(HeaderText, PassesOtherScriptsThroughUnchanged) {
  EXPECT_EQ(foldHeaderText("Имя Фамилия"), "ИмяФамилия");
  EXPECT_EQ(foldHeaderText("電話 (携帯)"), "電話携帯");
  EXPECT_EQ(foldHeaderText("Ελληνικά"), "Ελληνικά");
}

TEST(HeaderText, MarksEachByteOfMalformedUtf8) {
  const std::string replacement = "\uFFFD";
  EXPECT_EQ(foldHeaderText("Name\xFF"), "name" + replacement);
  EXPECT_EQ(foldHeaderText("\xC3"), replacement);
  EXPECT_EQ(foldHeaderText("\xC3Z"), replacement + "z");
  EXPECT_EQ(foldHeaderText("\xE2\x80Z"), replacement + replacement + "z");
  EXPECT_EQ(foldHeaderText("\xC0\xAE"), replacement + replacement);  // overlong "."
  EXPECT_EQ(foldHeaderText("\xED\xA0\x80"), replacement + replacement + replacement);  // surrogate
  EXPECT_EQ(foldHeaderText("\xF4\x90\x80\x80"),
            replacement + replacement + replacement + replacement);
  EXPECT_EQ(foldHeaderText("\xF0\x9F\x93\x9E"), "\xF0\x9F\x93\x9E");  // a well-formed emoji
  EXPECT_FALSE(fieldForHeader("Name\xFF").has_value());
  EXPECT_FALSE(fieldForHeader("\xC3Name").has_value());
}

TEST(HeaderNameTable, HoldsOneEntryPerFieldInCatalogueOrder) {
  const auto table = headerNameTable();
  ASSERT_EQ(table.size(), kFieldCount);
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    EXPECT_EQ(static_cast<std::size_t>(table[i].field), i);
    EXPECT_FALSE(table[i].names.empty()) << fieldName(table[i].field);
  }
}

TEST(HeaderNameTable, NoFoldedNameOccursTwice) {
  std::map<std::string, std::pair<std::string_view, Field>> seen;
  for (const auto& entry : headerNameTable()) {
    for (const auto name : entry.names) {
      const auto folded = foldHeaderText(name);
      EXPECT_FALSE(folded.empty()) << name;
      const auto [found, inserted] = seen.emplace(folded, std::pair{name, entry.field});
      EXPECT_TRUE(inserted) << "\"" << name << "\" (" << fieldName(entry.field) << ") folds like \""
                            << found->second.first << "\" (" << fieldName(found->second.second)
                            << ")";
    }
  }
}

TEST(HeaderNameTable, EveryNameFindsItsField) {
  for (const auto& entry : headerNameTable()) {
    for (const auto name : entry.names) {
      EXPECT_EQ(describe(fieldForHeader(name)), fieldName(entry.field)) << name;
    }
  }
}

TEST(HeaderNameTable, CatalogueNamesFindTheirOwnFieldButHomeAddressTheStreet) {
  for (const auto name : kContactFields) {
    const auto expected = name == "HomeAddress" ? HomeAddressStreet : *fieldFromName(name);
    EXPECT_EQ(describe(fieldForHeader(name)), fieldName(expected)) << name;
  }
}

TEST(MatchHeadersByName, LeftMostColumnWinsAField) {
  const std::vector<std::string> headers{"Email", "E-mail Address", "Notes", "Primary Email",
                                         "Comments"};
  EXPECT_EQ(named(matchHeadersByName(headers, {})), named({{0, EmailAddress}, {2, Notes}}));
}

TEST(MatchHeadersByName, DuplicateHeadersPairOnlyTheFirst) {
  const std::vector<std::string> headers{"Name", "Name", "Vorname", "First Name", "NAME"};
  EXPECT_EQ(named(matchHeadersByName(headers, {})), named({{0, FullName}, {2, FirstName}}));
}

TEST(MatchHeadersByName, FieldsAlreadyMappedAreLeftToTheUsersPairs) {
  const std::vector<std::string> headers{"First Name", "Last Name", "Surname", "E-mail", "Mobile"};
  EXPECT_EQ(named(matchHeadersByName(headers, {LastName, MobileNumber})),
            named({{0, FirstName}, {3, EmailAddress}}));
  EXPECT_TRUE(
      matchHeadersByName(headers, {FirstName, LastName, EmailAddress, MobileNumber}).empty());
}

TEST(MatchHeadersByName, SecondRunOverTheRemainingHeadersPairsNothing) {
  // The button takes paired headers out of the header list and their fields out of play.
  auto headers = headersOf(kOutlookEnglish);
  std::set<Field> mapped{Company};
  const auto first = matchHeadersByName(headers, mapped);
  ASSERT_EQ(first.size(), 26u);
  std::vector<std::string> remaining;
  std::size_t next = 0;
  for (std::size_t i = 0; i < headers.size(); ++i) {
    if (next < first.size() && first[next].first == i) {
      mapped.insert(first[next++].second);
    } else {
      remaining.push_back(headers[i]);
    }
  }
  EXPECT_EQ(remaining.size(), headers.size() - 26);
  EXPECT_TRUE(matchHeadersByName(remaining, mapped).empty());
}

// What one header cannot say, its row does; a header made of known words pairs though no
// table lists it; a pair the user made by hand comes before all of that.
TEST(MatchHeadersByName, TheRowAndTheUsersEarlierPairsSettleWhatOneHeaderCannot) {
  struct Row {
    std::vector<std::string> headers;
    std::map<std::string, Field> learned;
    Pairs expected;
  };
  const Row rows[]{
      {{"Home Address", "Home Street"}, {}, {{0, HomeAddress}, {1, HomeAddressStreet}}},
      {{"Adresse professionnelle", "Ville", "Code postal"},
       {},
       {{0, BusinessAddressStreet}, {1, BusinessAddressCity}, {2, BusinessAddressPostalCode}}},
      {{"Title", "First Name"}, {}, {{0, JobTitle}, {1, FirstName}}},
      {{"Title", "Job Title"}, {}, {{0, Title}, {1, JobTitle}}},
      {{"Estado", "Notes"}, {}, {{1, Notes}}},
      {{"Cidade", "Estado"}, {}, {{0, HomeAddressCity}, {1, HomeAddressState}}},
      // "Kraj" is a Polish list's country, but a Czech region beside its "Země".
      {{"Miasto", "Kraj"}, {}, {{0, HomeAddressCity}, {1, HomeAddressCountry}}},
      {{"Město", "Kraj", "Země"}, {}, {{0, HomeAddressCity}, {2, HomeAddressCountry}}},
      {{"E-mail", "Notes"}, {{"email", EmailAddress2}}, {{0, EmailAddress2}, {1, Notes}}},
      {{"Teléfono del domicilio", "Rue (travail)", "Mobile (work)", "E-post 2", "メールアドレス 3"},
       {},
       {{0, HomeTelephoneNumber},
        {1, BusinessAddressStreet},
        {2, MobileNumber},
        {3, EmailAddress2},
        {4, EmailAddress3}}},
  };
  for (const Row& row : rows) {
    HeaderContext context;
    context.learned = row.learned;
    EXPECT_EQ(named(matchHeadersByName(row.headers, {}, context)), named(row.expected))
        << row.headers.front();
  }
}

}  // namespace
}  // namespace quillmere::core

namespace quillmere::core {
namespace {

// A bare phone header in each language is the home phone, or beside a home phone column the
// other phone (More Fields) or the work one; the common words for notes pair with Notes.
TEST(HeaderNames, BarePhoneHeadersAndNotesWordsPairInEveryLanguage) {
  const std::vector<std::string> phones{"Phone",    "Telefon",  "Téléphone", "Teléfono", "Telefono",
                                        "Telefoon", "Telefone", "Телефон",   "Puhelin",  "電話",
                                        "전화",     "电话",     "هاتف",      "फोन"};
  for (const std::string& phone : phones) {
    const std::vector<std::string> alone{"Name", phone};
    EXPECT_EQ(matchHeadersByName(alone, {}),
              (std::vector<std::pair<std::size_t, Field>>{{0, Field::FullName},
                                                          {1, Field::HomeTelephoneNumber}}))
        << phone;
    const std::vector<std::string> beside{"Home Phone", phone};
    for (const bool more : {false, true}) {
      HeaderContext context;
      context.moreFields = more;
      const Field second = more ? Field::OtherTelephoneNumber : Field::BusinessTelephoneNumber;
      EXPECT_EQ(matchHeadersByName(beside, {}, context),
                (std::vector<std::pair<std::size_t, Field>>{{0, Field::HomeTelephoneNumber},
                                                            {1, second}}))
          << phone << (more ? " with More Fields" : "");
    }
  }
  for (const std::string notes : {"Bemerkung", "Anmerkung", "Remarque", "Observaciones",
                                  "Osservazioni", "Opmerking", "Observação", "Bemærkninger"}) {
    EXPECT_EQ(fieldForHeader(notes), Field::Notes) << notes;
  }
}

}  // namespace
}  // namespace quillmere::core
