#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/MatchByName.h"

namespace quillmere::core {
namespace {

std::vector<HeaderColumn> headers(std::initializer_list<const char*> texts) {
  std::vector<HeaderColumn> items;
  std::uint32_t column = 0;
  for (const char* text : texts)
    items.push_back({column++, {}, text});
  return items;
}

std::vector<std::string> headerTexts(const ColumnMapping& mapping) {
  std::vector<std::string> texts;
  for (const HeaderColumn& item : mapping.headerList())
    texts.push_back(item.text);
  return texts;
}

std::optional<std::size_t> fieldIndex(const ColumnMapping& mapping, Field field) {
  const auto& fields = mapping.fieldList();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i] == field) return i;
  }
  return std::nullopt;
}

// Everything a user could see of the mapping, to tell whether anything changed.
struct Seen {
  std::vector<HeaderColumn> headerList;
  std::vector<Field> fieldList;
  std::vector<ColumnPair> pairs;
  std::optional<std::size_t> headerChoice, fieldChoice, selectedEntry;
  bool listsEnabled;
  friend bool operator==(const Seen&, const Seen&) = default;
};

Seen seen(const ColumnMapping& mapping) {
  return {mapping.headerList(),   mapping.fieldList(),   mapping.pairs(),
          mapping.headerChoice(), mapping.fieldChoice(), mapping.selectedEntry(),
          mapping.listsEnabled()};
}

// The catalogue without the given fields, in catalogue order.
std::vector<Field> catalogueWithout(std::initializer_list<Field> used) {
  std::vector<Field> fields;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    const auto field = static_cast<Field>(i);
    if (std::find(used.begin(), used.end(), field) == used.end()) fields.push_back(field);
  }
  return fields;
}

TEST(MatchByName, PairsNamedHeadersInColumnOrderAsAddWouldAndLeavesTheRestOffered) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"First Name", "Colour", "E-mail", "Last Name"}));
  mapping.chooseHeader(1);
  mapping.chooseField(5);

  const NameMatch match = matchByName(mapping);

  EXPECT_EQ(match.paired, 3u);
  EXPECT_EQ(match.offered, 4u);
  EXPECT_EQ(mapping.entries(),
            (std::vector<std::string>{"First Name\t->\tFirstName", "E-mail\t->\tEmailAddress",
                                      "Last Name\t->\tLastName"}));
  EXPECT_EQ(headerTexts(mapping), std::vector<std::string>{"Colour"});
  EXPECT_EQ(mapping.fieldList(),
            catalogueWithout({Field::FirstName, Field::EmailAddress, Field::LastName}));
  // As after any Add: nothing chosen, the lists usable while a header is left.
  EXPECT_FALSE(mapping.headerChoice());
  EXPECT_FALSE(mapping.fieldChoice());
  EXPECT_TRUE(mapping.listsEnabled());
  EXPECT_EQ(mapping.lookupField(0), Field::FirstName);
  EXPECT_EQ(mapping.lookupField(1), std::nullopt);
  EXPECT_EQ(mapping.lookupField(2), Field::EmailAddress);
  EXPECT_EQ(mapping.lookupField(3), Field::LastName);
}

TEST(MatchByName, TheUsersPairsStayAndTheirFieldsAreNotTakenAgain) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Name", "E-mail", "Notes", "First Name"}));
  // The user puts the notes into FirstName and the e-mail into the second address.
  mapping.chooseHeader(2);
  mapping.chooseField(fieldIndex(mapping, Field::FirstName));
  ASSERT_EQ(mapping.addMapping(), MappingMessage::None);
  mapping.chooseHeader(1);
  mapping.chooseField(fieldIndex(mapping, Field::EmailAddress2));
  ASSERT_EQ(mapping.addMapping(), MappingMessage::None);
  mapping.selectEntry(1);
  const std::vector<ColumnPair> users = mapping.pairs();

  const NameMatch match = matchByName(mapping);

  EXPECT_EQ(match.paired, 1u);
  EXPECT_EQ(match.offered, 2u);
  ASSERT_EQ(mapping.pairs().size(), 3u);
  EXPECT_EQ(mapping.pairs()[0], users[0]);
  EXPECT_EQ(mapping.pairs()[1], users[1]);
  EXPECT_EQ(mapping.pairs()[2], (ColumnPair{{0, {}, "Name"}, Field::FullName}));
  // "First Name" names a field the user has used for another column, so it stays offered.
  EXPECT_EQ(headerTexts(mapping), std::vector<std::string>{"First Name"});
  EXPECT_FALSE(fieldIndex(mapping, Field::FirstName));
  EXPECT_TRUE(fieldIndex(mapping, Field::EmailAddress));
  EXPECT_EQ(mapping.selectedEntry(), 1u);
}

TEST(MatchByName, RunningItAgainChangesNothing) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Company", "Shoe Size", "Mobile", "Colour"}));
  const NameMatch first = matchByName(mapping);
  EXPECT_EQ(first.paired, 2u);
  mapping.chooseHeader(1);
  mapping.chooseField(4);
  mapping.selectEntry(0);
  const Seen before = seen(mapping);

  const NameMatch second = matchByName(mapping);

  EXPECT_EQ(second.paired, 0u);
  EXPECT_EQ(second.offered, 2u);
  EXPECT_EQ(seen(mapping), before);
}

TEST(MatchByName, NothingNamedLeavesEverythingAsItWas) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"ID", "Invoice No.", "Amount"}));
  mapping.chooseHeader(2);
  mapping.chooseField(7);
  const Seen before = seen(mapping);
  const NameMatch match = matchByName(mapping);
  EXPECT_EQ(match.paired, 0u);
  EXPECT_EQ(match.offered, 3u);
  EXPECT_EQ(seen(mapping), before);
}

TEST(MatchByName, PairingTheLastHeaderDisablesTheListsAndRemoveGivesItBackForAnotherMatch) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Last Name", "First Name"}));
  EXPECT_EQ(matchByName(mapping).paired, 2u);
  EXPECT_TRUE(mapping.headerList().empty());
  EXPECT_FALSE(mapping.listsEnabled());

  mapping.selectEntry(0);
  ASSERT_EQ(mapping.removeMapping(), MappingMessage::None);
  EXPECT_TRUE(mapping.listsEnabled());
  const NameMatch again = matchByName(mapping);
  EXPECT_EQ(again.paired, 1u);
  EXPECT_EQ(again.offered, 1u);
  EXPECT_EQ(mapping.entries(),
            (std::vector<std::string>{"First Name\t->\tFirstName", "Last Name\t->\tLastName"}));
  EXPECT_FALSE(mapping.listsEnabled());
}

TEST(MatchByName, TheLeftMostOfHeadersNamingOneFieldWinsAndAlikeHeadersStayApart) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Colour", "E-mail", "Email", "E-mail"}));
  const NameMatch match = matchByName(mapping);
  EXPECT_EQ(match.paired, 1u);
  EXPECT_EQ(mapping.lookupField(1), Field::EmailAddress);
  EXPECT_EQ(mapping.lookupField(2), std::nullopt);
  EXPECT_EQ(mapping.lookupField(3), std::nullopt);
  ASSERT_EQ(mapping.headerList().size(), 3u);
  EXPECT_EQ(mapping.headerList()[2], (HeaderColumn{3, {}, "E-mail"}));
}

TEST(MatchByName, GermanAndFrenchHeaderRowsPairTheirColumns) {
  ColumnMapping german;
  german.fillLists(headers({"Vorname", "Nachname", "E-Mail-Adresse", "Mobiltelefon", "Firma"}));
  EXPECT_EQ(matchByName(german).paired, 5u);
  EXPECT_EQ(german.entries(),
            (std::vector<std::string>{"Vorname\t->\tFirstName", "Nachname\t->\tLastName",
                                      "E-Mail-Adresse\t->\tEmailAddress",
                                      "Mobiltelefon\t->\tMobileNumber", "Firma\t->\tCompany"}));

  ColumnMapping french;
  french.fillLists(headers({"Prénom", "Nom", "Adresse de messagerie", "Société"}));
  EXPECT_EQ(matchByName(french).paired, 4u);
  EXPECT_EQ(french.lookupField(0), Field::FirstName);
  EXPECT_EQ(french.lookupField(1), Field::LastName);
  EXPECT_EQ(french.lookupField(2), Field::EmailAddress);
  EXPECT_EQ(french.lookupField(3), Field::Company);
}

}  // namespace
}  // namespace quillmere::core
