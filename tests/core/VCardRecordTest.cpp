#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/VCardRecord.h"

namespace quillmere::core {
namespace {

using enum Field;

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

std::vector<std::string> linesOf(const std::string& record) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const auto end = record.find("\r\n", start);
    lines.push_back(record.substr(start, end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

// Plain ASCII values are written byte for byte, so every version makes the same lines
// apart from VERSION.
class VCardRecord : public ::testing::TestWithParam<VCardVersion> {
 protected:
  VCardVersion version() const { return GetParam(); }
  std::string record() const { return buildRecord(values, version()); }
  std::vector<std::string> lines() const { return linesOf(record()); }
  // The lines between VERSION and END:VCARD.
  std::vector<std::string> body() const {
    auto all = lines();
    return {all.begin() + 2, all.end() - 1};
  }

  ContactValues values;
};

TEST_P(VCardRecord, AnEmptyRowGivesFourLines) {
  EXPECT_EQ(record(), joinLines({"BEGIN:VCARD", "VERSION:" + std::string(versionText(version())),
                                 "FN:", "END:VCARD"}));
}

TEST_P(VCardRecord, HasNoLineBreakBeforeOrAfter) {
  values[FirstName] = "John";
  const std::string text = record();
  EXPECT_EQ(text.rfind("BEGIN:VCARD", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 9), "END:VCARD");
}

TEST_P(VCardRecord, DisplayNameFromTheParts) {
  values[FirstName] = "John";
  values[LastName] = "Smith";
  EXPECT_EQ(body(), (std::vector<std::string>{"N:Smith;John;", "FN:John Smith"}));
}

TEST_P(VCardRecord, FullNameWinsOverTheParts) {
  values[FullName] = "J. Smith";
  values[FirstName] = "John";
  values[LastName] = "Smith";
  EXPECT_EQ(body(), (std::vector<std::string>{"N:Smith;John;", "FN:J. Smith"}));
}

TEST_P(VCardRecord, FullNameAloneHasNoNLine) {
  values[FullName] = "Ann";
  EXPECT_EQ(body(), (std::vector<std::string>{"FN:Ann"}));
}

TEST_P(VCardRecord, OneNamePartKeepsBothSeparatorsAndTheSpace) {
  struct Case {
    Field field;
    std::string n, fn;
  };
  for (const auto& c :
       {Case{LastName, "N:Smith;;", "FN: Smith"}, Case{FirstName, "N:;John;", "FN:John "},
        Case{MiddleName, "N:;;Lee", "FN: "}}) {
    values.clear();
    values[c.field] = c.field == LastName ? "Smith" : c.field == FirstName ? "John" : "Lee";
    EXPECT_EQ(body(), (std::vector<std::string>{c.n, c.fn})) << fieldName(c.field);
  }
}

TEST_P(VCardRecord, OrganisationNeedsACompany) {
  values[Department] = "Sales";
  EXPECT_EQ(body(), (std::vector<std::string>{"FN:"}));
  values[Company] = "Acme";
  EXPECT_EQ(body(), (std::vector<std::string>{"FN:", "ORG:Acme;Sales"}));
  values[Department] = "";
  EXPECT_EQ(body(), (std::vector<std::string>{"FN:", "ORG:Acme;"}));
}

TEST_P(VCardRecord, AddressCarriesSevenComponents) {
  values[BusinessAddressCity] = "Paris";
  EXPECT_EQ(body(), (std::vector<std::string>{"FN:", "ADR;WORK:;;;Paris;;;"}));
  values.clear();
  values[HomeAddressStreet] = "1 Main St";
  values[HomeAddressCity] = "Springfield";
  values[HomeAddressState] = "IL";
  values[HomeAddressPostalCode] = "62701";
  values[HomeAddressCountry] = "USA";
  EXPECT_EQ(body(),
            (std::vector<std::string>{"FN:", "ADR;HOME:;;1 Main St;Springfield;IL;62701;USA"}));
}

TEST_P(VCardRecord, EveryLineInOrder) {
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    values[static_cast<Field>(i)] = std::string(kContactFields[i]);
  }
  EXPECT_EQ(lines(),
            (std::vector<std::string>{
                "BEGIN:VCARD",
                "VERSION:" + std::string(versionText(version())),
                "N:LastName;FirstName;MiddleName",
                "FN:FullName",
                "ORG:Company;Department",
                "TITLE:JobTitle",
                "TEL;WORK;VOICE:BusinessTelephoneNumber",
                "TEL;HOME;VOICE:HomeTelephoneNumber",
                "TEL;CELL;VOICE:MobileNumber",
                "TEL;WORK;FAX:BusinessFaxNumber",
                "ADR;WORK:;;BusinessAddressStreet;BusinessAddressCity;BusinessAddressState;"
                "BusinessAddressPostalCode;BusinessAddressCountry",
                "ADR;HOME:;;HomeAddressStreet;HomeAddressCity;HomeAddressState;"
                "HomeAddressPostalCode;HomeAddressCountry",
                "URL:BusinessHomePage",
                "EMAIL;PREF;INTERNET:EmailAddress",
                "EMAIL;INTERNET:EmailAddress2",
                "EMAIL;INTERNET:EmailAddress3",
                "NOTE:Notes",
                "END:VCARD",
            }));
}

TEST_P(VCardRecord, FieldsThatFeedNoLineChangeNothing) {
  values[FirstName] = "John";
  const std::string before = record();
  values[Title] = "Dr";
  values[HomeFaxNumber] = "555";
  values[BusinessAddress] = "1 Main St, Paris";
  values[HomeAddress] = "2 Side St";
  EXPECT_EQ(record(), before);
}

TEST_P(VCardRecord, SecondAndThirdEmailAreSeparateLines) {
  values[EmailAddress3] = "c@x.org";
  EXPECT_EQ(body(), (std::vector<std::string>{"FN:", "EMAIL;INTERNET:c@x.org"}));
  values[EmailAddress2] = "b@x.org";
  EXPECT_EQ(body(),
            (std::vector<std::string>{"FN:", "EMAIL;INTERNET:b@x.org", "EMAIL;INTERNET:c@x.org"}));
}

TEST_P(VCardRecord, ValuesAreNeitherTrimmedNorFolded) {
  values[Notes] = "  ";
  values[JobTitle] = std::string(200, 'x');
  EXPECT_EQ(body(), (std::vector<std::string>{"FN:", "TITLE:" + std::string(200, 'x'), "NOTE:  "}));
}

INSTANTIATE_TEST_SUITE_P(Versions, VCardRecord,
                         ::testing::Values(VCardVersion::V21, VCardVersion::V30, VCardVersion::V40),
                         [](const auto& param) {
                           const std::string_view text = versionText(param.param);
                           return "V" + std::string(text.substr(0, 1)) +
                                  std::string(text.substr(2));
                         });

TEST(VCardRecordVersions, PlainRecordsDifferOnlyInTheVersionLine) {
  ContactValues values;
  values[FirstName] = "John";
  values[Company] = "Acme";
  values[MobileNumber] = "+1 555 0100";
  auto v21 = linesOf(buildRecord(values, VCardVersion::V21));
  auto v30 = linesOf(buildRecord(values, VCardVersion::V30));
  auto v40 = linesOf(buildRecord(values, VCardVersion::V40));
  EXPECT_EQ(v21[1], "VERSION:2.1");
  EXPECT_EQ(v40[1], "VERSION:4.0");
  v21.erase(v21.begin() + 1);
  v30.erase(v30.begin() + 1);
  v40.erase(v40.begin() + 1);
  EXPECT_EQ(v21, v30);
  EXPECT_EQ(v30, v40);
}

}  // namespace
}  // namespace quillmere::core
