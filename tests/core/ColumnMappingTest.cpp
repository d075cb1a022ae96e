#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ColumnMapping.h"

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

std::size_t fieldIndex(const ColumnMapping& mapping, Field field) {
  const auto& fields = mapping.fieldList();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i] == field) return i;
  }
  ADD_FAILURE() << "field not offered: " << fieldName(field);
  return fields.size();
}

MappingMessage pair(ColumnMapping& mapping, std::size_t header, Field field) {
  mapping.chooseHeader(header);
  mapping.chooseField(fieldIndex(mapping, field));
  return mapping.addMapping();
}

TEST(ColumnMapping, FillingOffersHeadersWithTextInColumnOrderAndTheWholeCatalogue) {
  ColumnMapping mapping;
  mapping.fillLists({{0, {}, "Name"}, {1, {}, ""}, {2, {}, "Mail"}});
  EXPECT_EQ(headerTexts(mapping), (std::vector<std::string>{"Name", "Mail"}));
  EXPECT_EQ(mapping.headerList()[1].column, 2u);
  ASSERT_EQ(mapping.fieldList().size(), kFieldCount);
  EXPECT_EQ(mapping.fieldList().front(), Field::FirstName);
  EXPECT_EQ(mapping.fieldList()[26], Field::MiddleName);
  EXPECT_EQ(mapping.fieldList().back(), Field::Notes);
  EXPECT_TRUE(mapping.empty());
  EXPECT_TRUE(mapping.listsEnabled());
  EXPECT_FALSE(mapping.headerChoice());
  EXPECT_FALSE(mapping.fieldChoice());
}

TEST(ColumnMapping, AddAsksForTheFieldFirstThenTheHeaderAndChangesNothingMeanwhile) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Name", "Mail"}));
  EXPECT_EQ(mapping.addMapping(), MappingMessage::SelectOutlookField);
  mapping.chooseHeader(0);
  EXPECT_EQ(mapping.addMapping(), MappingMessage::SelectOutlookField);
  mapping.chooseHeader(std::nullopt);
  mapping.chooseField(3);
  EXPECT_EQ(mapping.addMapping(), MappingMessage::SelectExcelField);
  EXPECT_TRUE(mapping.empty());
  EXPECT_EQ(mapping.headerList().size(), 2u);
  EXPECT_EQ(mapping.fieldList().size(), kFieldCount);
}

TEST(ColumnMapping, AddTakesBothItemsOutAndAppendsOneEntry) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Name", "Mail", "Phone"}));
  ASSERT_EQ(pair(mapping, 1, Field::EmailAddress), MappingMessage::None);
  ASSERT_EQ(pair(mapping, 0, Field::FullName), MappingMessage::None);
  EXPECT_EQ(headerTexts(mapping), (std::vector<std::string>{"Phone"}));
  EXPECT_EQ(mapping.fieldList().size(), kFieldCount - 2);
  EXPECT_EQ(mapping.entries(),
            (std::vector<std::string>{"Mail\t->\tEmailAddress", "Name\t->\tFullName"}));
  EXPECT_FALSE(mapping.headerChoice());
  EXPECT_FALSE(mapping.fieldChoice());
  EXPECT_EQ(mapping.lookupField(1), Field::EmailAddress);
  EXPECT_EQ(mapping.lookupField(0), Field::FullName);
  EXPECT_FALSE(mapping.lookupField(2));
}

TEST(ColumnMapping, EntryTextKeepsTheHeaderExactlyAsItIs) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"  E-mail  "}));
  pair(mapping, 0, Field::EmailAddress);
  EXPECT_EQ(mapping.entries().front(), "  E-mail  \t->\tEmailAddress");
}

TEST(ColumnMapping, TakingTheLastHeaderSwitchesTheListsOffAndARemoveSwitchesThemOn) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Name", "Mail"}));
  pair(mapping, 0, Field::FullName);
  EXPECT_TRUE(mapping.listsEnabled());
  pair(mapping, 0, Field::EmailAddress);
  EXPECT_FALSE(mapping.listsEnabled());
  mapping.selectEntry(0);
  EXPECT_EQ(mapping.removeMapping(), MappingMessage::None);
  EXPECT_TRUE(mapping.listsEnabled());
}

TEST(ColumnMapping, AnEmptyFieldListLeavesTheListsOnAndAddAsksForAField) {
  std::vector<HeaderColumn> many;
  for (std::uint32_t c = 0; c < 40; ++c)
    many.push_back({c, {}, "h" + std::to_string(c)});
  ColumnMapping mapping;
  mapping.fillLists(many);
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    mapping.chooseHeader(0);
    mapping.chooseField(0);
    ASSERT_EQ(mapping.addMapping(), MappingMessage::None);
  }
  EXPECT_TRUE(mapping.fieldList().empty());
  EXPECT_TRUE(mapping.listsEnabled());
  mapping.chooseHeader(0);
  mapping.chooseField(0);
  EXPECT_EQ(mapping.addMapping(), MappingMessage::SelectOutlookField);
  EXPECT_EQ(mapping.pairs().size(), kFieldCount);
}

TEST(ColumnMapping, RemoveWithoutASelectionAsksForOneAndChangesNothing) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Name"}));
  pair(mapping, 0, Field::FullName);
  EXPECT_EQ(mapping.removeMapping(), MappingMessage::SelectAddedItem);
  EXPECT_EQ(mapping.pairs().size(), 1u);
  EXPECT_FALSE(mapping.listsEnabled());
}

TEST(ColumnMapping, RemoveGivesBackExactlyTheItemsItTookAtTheEndOfTheirLists) {
  ColumnMapping mapping;
  mapping.fillLists({{0, {}, " Mail "}, {1, {}, "Name"}, {2, {}, "Phone"}});
  pair(mapping, 0, Field::FirstName);
  pair(mapping, 0, Field::LastName);
  mapping.selectEntry(0);
  ASSERT_EQ(mapping.removeMapping(), MappingMessage::None);
  // The header keeps its spaces and its column, so a pair made again from it still matches.
  EXPECT_EQ(mapping.headerList().back(), (HeaderColumn{0, {}, " Mail "}));
  EXPECT_EQ(mapping.fieldList().back(), Field::FirstName);
  EXPECT_EQ(mapping.fieldList().front(), Field::FullName);
  EXPECT_EQ(mapping.entries(), (std::vector<std::string>{"Name\t->\tLastName"}));
  EXPECT_FALSE(mapping.lookupField(0));
  EXPECT_FALSE(mapping.selectedEntry());
  pair(mapping, mapping.headerList().size() - 1, Field::EmailAddress);
  EXPECT_EQ(mapping.lookupField(0), Field::EmailAddress);
}

TEST(ColumnMapping, ColumnsHeadedAlikeEachKeepTheirOwnField) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Email", "Email", "EMAIL"}));
  pair(mapping, 1, Field::EmailAddress2);
  pair(mapping, 0, Field::EmailAddress);
  EXPECT_EQ(mapping.lookupField(0), Field::EmailAddress);
  EXPECT_EQ(mapping.lookupField(1), Field::EmailAddress2);
  EXPECT_FALSE(mapping.lookupField(2));
  EXPECT_EQ(mapping.entries(),
            (std::vector<std::string>{"Email\t->\tEmailAddress2", "Email\t->\tEmailAddress"}));
}

TEST(ColumnMapping, ClearingDropsThePairsGivingTheirItemsBackAndFillingStartsAfresh) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Name", "Mail"}));
  pair(mapping, 0, Field::FullName);
  pair(mapping, 0, Field::EmailAddress);
  EXPECT_FALSE(mapping.listsEnabled());
  mapping.selectEntry(1);
  mapping.clearMapping();
  EXPECT_TRUE(mapping.empty());
  EXPECT_TRUE(mapping.entries().empty());
  EXPECT_FALSE(mapping.selectedEntry());
  EXPECT_FALSE(mapping.lookupField(0));
  EXPECT_EQ(headerTexts(mapping), (std::vector<std::string>{"Name", "Mail"}));
  EXPECT_EQ(mapping.fieldList().size(), kFieldCount);
  EXPECT_EQ(mapping.fieldList().back(), Field::EmailAddress);
  EXPECT_TRUE(mapping.listsEnabled());
  mapping.fillLists(headers({"Vorname", "Nachname", "E-Mail"}));
  EXPECT_EQ(headerTexts(mapping), (std::vector<std::string>{"Vorname", "Nachname", "E-Mail"}));
  EXPECT_EQ(mapping.fieldList().size(), kFieldCount);
  EXPECT_TRUE(mapping.listsEnabled());
}

TEST(ColumnMapping, ChoicesOutOfRangeChooseNothing) {
  ColumnMapping mapping;
  mapping.fillLists(headers({"Name"}));
  mapping.chooseHeader(1);
  mapping.chooseField(kFieldCount);
  mapping.selectEntry(0);
  EXPECT_FALSE(mapping.headerChoice());
  EXPECT_FALSE(mapping.fieldChoice());
  EXPECT_FALSE(mapping.selectedEntry());
}

}  // namespace
}  // namespace quillmere::core
