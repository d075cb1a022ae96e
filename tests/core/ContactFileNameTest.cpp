#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

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

// What FAT and exFAT (memory cards, USB sticks) and Windows refuse in a file name.
bool memoryCardTakes(const std::string& name) {
  if (name.empty() || name.size() > kMaxFileNameBytes) return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos) {
      return false;
    }
  }
  if (name.back() == '.' || name.back() == ' ') return false;
  std::string base = name.substr(0, name.find('.'));
  for (char& c : base)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const char* reserved : {"CON", "PRN", "AUX", "NUL", "COM1", "COM9", "LPT1", "LPT9"}) {
    if (base == reserved) return false;
  }
  return true;
}

TEST(ContactFileName, EveryNameIsOneAMemoryCardTakes) {
  const std::string longName(300, 'x');
  for (const auto& [last, first] :
       std::initializer_list<std::pair<std::string, std::string>>{{"A|B", "C"},
                                                                  {"CON", ""},
                                                                  {"nul", ""},
                                                                  {"Lpt1", "."},
                                                                  {"Dot.", ". "},
                                                                  {"Space ", " "},
                                                                  {"Tab\t", "\x1F"},
                                                                  {"\x7F", "?*"},
                                                                  {longName, "ü"},
                                                                  {"", ""}}) {
    const std::string name = separateFileName(named(last, first), 12);
    EXPECT_TRUE(memoryCardTakes(name)) << name;
  }
  // A name the cleaning already gives stays as it was.
  EXPECT_EQ(separateFileName(named("Müller", "Zoë"), 1), "MüllerZoë_1.vcf");
  EXPECT_EQ(separateFileName(named("A|B", ""), 2), "A B_2.vcf");
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
