#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/ContactField.h"
#include "core/ContactValues.h"

namespace quillmere::core {
namespace {

TEST(ContactField, CatalogueHoldsThirtyUniqueNamesInOrder) {
  EXPECT_EQ(kContactFields.front(), "FirstName");
  EXPECT_EQ(kContactFields[3], "EmailAddress");
  EXPECT_EQ(kContactFields[8], "BusinessAddress");
  EXPECT_EQ(kContactFields[18], "HomeAddress");
  EXPECT_EQ(kContactFields[26], "MiddleName");
  EXPECT_EQ(kContactFields[28], "Title");
  EXPECT_EQ(kContactFields.back(), "Notes");
  const std::set<std::string_view> unique(kContactFields.begin(), kContactFields.end());
  EXPECT_EQ(unique.size(), kFieldCount);
}

TEST(ContactField, EnumAndNamesAgree) {
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    const auto field = fieldFromName(kContactFields[i]);
    ASSERT_TRUE(field.has_value());
    EXPECT_EQ(static_cast<std::size_t>(*field), i);
    EXPECT_EQ(fieldName(*field), kContactFields[i]);
  }
  EXPECT_EQ(fieldName(Field::HomeFaxNumber), "HomeFaxNumber");
  EXPECT_EQ(fieldName(Field::BusinessHomePage), "BusinessHomePage");
}

TEST(ContactField, LookupIsExactAndCaseSensitive) {
  EXPECT_FALSE(fieldFromName("fullname").has_value());
  EXPECT_FALSE(fieldFromName("FullName ").has_value());
  EXPECT_FALSE(fieldFromName("Birthday").has_value());
  EXPECT_FALSE(fieldFromName("").has_value());
}

TEST(ContactValues, StartEmptySetByNameAndClear) {
  ContactValues values;
  for (const auto name : kContactFields)
    EXPECT_TRUE(values[*fieldFromName(name)].empty());
  EXPECT_TRUE(values.set("LastName", "Smith"));
  EXPECT_TRUE(values.set(kMoreFields.back(), "x"));
  EXPECT_FALSE(values.set("Surname", "Smith"));
  // Read as the record writer reads them, through a const view.
  const ContactValues& seen = values;
  EXPECT_EQ(seen[Field::LastName], "Smith");
  values.clear();
  for (std::size_t i = 0; i < kAllFieldCount; ++i)
    EXPECT_TRUE(seen[static_cast<Field>(i)].empty()) << i;
}

}  // namespace
}  // namespace quillmere::core
