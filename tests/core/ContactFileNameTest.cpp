#include <gtest/gtest.h>

#include "core/ContactFileName.h"
#include "core/DatedExportFolder.h"

namespace quillmere::core {
namespace {

ContactValues named(std::string last, std::string first, std::string middle = "") {
  ContactValues values;
  values[Field::LastName] = std::move(last);
  values[Field::FirstName] = std::move(first);
  values[Field::MiddleName] = std::move(middle);
  return values;
}

TEST(ContactFileName, JoinsLastFirstAndMiddleNameWithTheNumber) {
  EXPECT_EQ(separateFileName(named("Smith", "John"), 3), "SmithJohn_3.vcf");
  EXPECT_EQ(separateFileName(named("Lee", "Ann", "Mary"), 12), "LeeAnnMary_12.vcf");
  // Only the name parts make the stem.
  ContactValues other;
  other[Field::FullName] = "Ann Lee";
  other[Field::EmailAddress] = "ann@example.org";
  EXPECT_EQ(separateFileName(other, 4), "4.vcf");
}

TEST(ContactFileName, RemovesSemicolonsAndCleansTheStem) {
  EXPECT_EQ(separateFileName(named("O'Brien;", "J.R."), 1), "O'BrienJ R _1.vcf");
  EXPECT_EQ(separateFileName(named("Smith & Sons", ""), 2), "Smith  and  Sons_2.vcf");
  EXPECT_EQ(separateFileName(named(";", ";;"), 5), "5.vcf");
  // A stem of cleaned characters is spaces, not nothing.
  EXPECT_EQ(separateFileName(named("...", ""), 6), "   _6.vcf");
  EXPECT_EQ(separateFileName(named("Müller", "Zoë"), 7), "MüllerZoë_7.vcf");
}

TEST(ContactFileName, LineBreaksAndControlCharactersBecomeSpaces) {
  EXPECT_EQ(separateFileName(named("Smith\r\nJones", "A\tB"), 1), "Smith  JonesA B_1.vcf");
  EXPECT_EQ(nameStem(named(std::string("a\0b", 3), "")), "a b");
}

TEST(ContactFileName, ATooLongStemIsCutBetweenCharactersKeepingTheNumber) {
  std::string last;
  for (int i = 0; i < 200; ++i)
    last += "\xC3\xA9";  // 400 bytes of "é"
  const std::string name = separateFileName(named(last, ""), 123456);
  EXPECT_LE(name.size(), kMaxFileNameBytes);
  EXPECT_EQ(name.substr(name.size() - 11), "_123456.vcf");
  const std::string stem = name.substr(0, name.size() - 11);
  // 244 bytes are left for the stem: 122 whole characters.
  EXPECT_EQ(stem.size(), 244u);
  for (std::size_t i = 0; i < stem.size(); i += 2)
    EXPECT_EQ(stem.substr(i, 2), "\xC3\xA9");
  EXPECT_EQ(separateFileName(named(std::string(300, 'x'), ""), 1),
            std::string(249, 'x') + "_1.vcf");
}

TEST(DatedExportFolder, JoinsTheDateAndTimeWithoutLeadingZeros) {
  EXPECT_EQ(datedExportFolder("/home/ann/Contacts", {2026, 12, 6, 4, 3, 9}),
            "/home/ann/Contacts/Quillmere_6_12_2026_4_3_9");
  EXPECT_EQ(datedExportFolder("/srv", {2027, 1, 31, 23, 59, 0}),
            "/srv/Quillmere_31_1_2027_23_59_0");
  // The separator is added even after a root folder; the file system reads "//" as "/".
  EXPECT_EQ(datedExportFolder("/", {2026, 12, 6, 0, 0, 0}), "//Quillmere_6_12_2026_0_0_0");
}

}  // namespace
}  // namespace quillmere::core
