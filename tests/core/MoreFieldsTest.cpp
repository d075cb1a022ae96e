#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ContactRowReader.h"
#include "core/HeaderNames.h"
#include "core/VCardRecord.h"
#include "tests/core/ExportDoubles.h"

namespace quillmere::core {
namespace {

using test::MemorySheet;
using enum Field;

// One cell of column A paired with a field, read and written as a run with More Fields does:
// the card's line for it (none when empty), and what the report says of the cell.
struct Case {
  Case(Field f, VCardVersion v, MemorySheet::Cell c, std::string l, std::string n = {},
       std::string code = {}, bool in1904 = false, bool more = true)
      : field(f),
        version(v),
        cell(std::move(c)),
        line(std::move(l)),
        note(std::move(n)),
        country(std::move(code)),
        date1904(in1904),
        moreFields(more) {}
  Field field;
  VCardVersion version;
  MemorySheet::Cell cell;
  std::string line;
  std::string note;
  std::string country;  // the phone country; empty writes numbers as they stand
  bool date1904;
  bool moreFields;
};

class MoreFieldsOptions : public test::ScriptedOptions {
 public:
  bool moreFields() override { return more; }
  std::string phoneCountry() override { return country; }
  bool more = true;
  std::string country;
};

const std::string kNotADate =
    " in column A is not a date, so the card has no line for it (write 1985-03-13, or --03-13 "
    "without the year)";

TEST(MoreFields, EachFieldWritesItsVersionsLineFromNumbersAndTextsAndNamesWhatItCannotRead) {
  const MemorySheet::Styled leadingZero{1701234567, 0};
  const std::vector<Case> cases{
      {Birthday, VCardVersion::V40, 31119.0, "BDAY:19850313"},
      {Birthday, VCardVersion::V40, 31119.75, "BDAY:19850313"},
      {Birthday, VCardVersion::V30, 29657.0, "BDAY:1985-03-13", "", "", true},
      {Birthday, VCardVersion::V21, std::string("1985-03-13"), "BDAY:1985-03-13"},
      {Birthday, VCardVersion::V40, std::string(" 19850313 "), "BDAY:19850313"},
      {Birthday, VCardVersion::V40, std::string("--03-13"), "BDAY:--0313"},
      {Birthday, VCardVersion::V30, std::string("--0229"), "BDAY:--0229"},
      {Birthday, VCardVersion::V21, std::string("--03-13"), "BDAY:--0313"},
      {Birthday, VCardVersion::V30, std::string("13/13/1985"), "",
       "Birthday \"13/13/1985\"" + kNotADate},
      {Birthday, VCardVersion::V30, std::string("1985-02-29"), "",
       "Birthday \"1985-02-29\"" + kNotADate},
      {Birthday, VCardVersion::V40, 60.0, "", "Birthday \"60\"" + kNotADate},
      {Birthday, VCardVersion::V40, 31119.0, "", "", "", false, false},
      {Anniversary, VCardVersion::V40, std::string("2010-06-05"), "ANNIVERSARY:20100605"},
      {Anniversary, VCardVersion::V30, std::string("2010-06-05"), "X-ANNIVERSARY:2010-06-05"},
      {Anniversary, VCardVersion::V21, std::string("--06-05"), "X-ANNIVERSARY:--0605"},
      {Nickname, VCardVersion::V21, std::string("Bob"), "X-NICKNAME:Bob"},
      {Nickname, VCardVersion::V30, std::string("Bob, Jr."), "NICKNAME:Bob\\, Jr."},
      {Nickname, VCardVersion::V21, std::string("Zoë"),
       "X-NICKNAME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zo=C3=AB"},
      // Google's groups, Outlook's categories and Google's own groups that are none.
      {Categories, VCardVersion::V30, std::string("Friends ::: Work; Sales, North"),
       "CATEGORIES:Friends,Work\\; Sales\\, North"},
      {Categories, VCardVersion::V30, std::string("Customers;VIP"), "CATEGORIES:Customers,VIP"},
      {Categories, VCardVersion::V40,
       std::string("* myContacts ::: * starred ::: * Friends ::: Golf"), "CATEGORIES:Friends,Golf"},
      {Categories, VCardVersion::V40, std::string("* myContacts"), ""},
      {Categories, VCardVersion::V40, std::string("A\nB\r\n\n C \r ::: "), "CATEGORIES:A,B,C"},
      {Categories, VCardVersion::V21, std::string("Köln ::: x"),
       "CATEGORIES;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:K=C3=B6ln,x"},
      {OtherTelephoneNumber, VCardVersion::V30, std::string("+44 20 7946 0958"),
       "TEL;VOICE:+44 20 7946 0958"},
      {PagerNumber, VCardVersion::V40, std::string("0151 1"), "TEL;PAGER:0151 1"},
      {PersonalHomePage, VCardVersion::V30, std::string("http://ann.example"),
       "URL;HOME:http://ann.example"},
      {MobileNumber, VCardVersion::V30, std::string("0170 1234567"),
       "TEL;CELL;VOICE:+49 170 1234567", "", "DE"},
      {MobileNumber, VCardVersion::V30, leadingZero, "TEL;CELL;VOICE:+49 170 1234567", "", "DE"},
      {HomeTelephoneNumber, VCardVersion::V21, std::string("020 7946 0958"),
       "TEL;HOME;VOICE:+44 20 7946 0958", "", "GB"},
      {BusinessTelephoneNumber, VCardVersion::V40, std::string("06 12 34 56 78"),
       "TEL;WORK;VOICE:+33 6 12 34 56 78", "", "FR"},
      {BusinessFaxNumber, VCardVersion::V30, std::string("0049 30 1234567"),
       "TEL;WORK;FAX:+49 30 1234567", "", "FR"},
      {OtherTelephoneNumber, VCardVersion::V30, std::string("011 49 30 1234567"),
       "TEL;VOICE:+49 30 1234567", "", "US"},
      {MobileNumber, VCardVersion::V30, std::string("650 253 0000 ::: 12"),
       "TEL;WORK;VOICE:12\r\nTEL;CELL;VOICE:+1 650-253-0000",
       "MobileNumber \"12\" in column A is not a phone number "
       "of US, so it is written as it stands",
       "US"},
      {PagerNumber, VCardVersion::V30, std::string("call me"), "TEL;PAGER:call me",
       "PagerNumber \"call me\" in column A is not a phone number of DE, so it is written as it "
       "stands",
       "DE"},
      // Numbers met before, now remembered: still noted each time, and read by the country.
      {PagerNumber, VCardVersion::V21, std::string("call me"), "TEL;PAGER:call me",
       "PagerNumber \"call me\" in column A is not a phone number of DE, so it is written as it "
       "stands",
       "DE"},
      {HomeTelephoneNumber, VCardVersion::V21, std::string("020 7946 0958"),
       "TEL;HOME;VOICE:020 7946 0958",
       "HomeTelephoneNumber \"020 7946 0958\" in column A is not a phone number of US, so it is "
       "written as it stands",
       "US"},
      // Too long a text to be remembered is read all the same.
      {HomeTelephoneNumber, VCardVersion::V21, "020 7946 0958" + std::string(60, ' ') + "ext. 12",
       "TEL;HOME;VOICE:+44 20 7946 0958 x12", "", "GB"},
  };
  for (const Case& c : cases) {
    MemorySheet sheet({{1, {std::string("Header")}}, {2, {c.cell}}});
    sheet.setCellFormats(source::CellFormats({164}, {{164, "0000 0000000"}}, c.date1904));
    const source::SheetTable table = test::tableOf(sheet.rows(), 2, 2);
    const ExportJob job{table, {test::pairOf(0, c.field)}, '.'};
    MoreFieldsOptions options;
    options.more = c.moreFields;
    options.country = c.country;
    ContactValues values;
    sheet.nextRow();
    sheet.nextRow();
    ContactRowReader(job).read(sheet, options, values);
    const std::string record = buildRecord(values, c.version);
    const std::string bare = buildRecord(ContactValues(), c.version);
    const std::string expected =
        c.line.empty() ? bare : bare.substr(0, bare.size() - 9) + c.line + "\r\nEND:VCARD";
    const std::string what =
        std::string(fieldName(c.field)) + " " + std::string(versionText(c.version)) + " " + c.line;
    EXPECT_EQ(record, expected) << what;
    std::string notes;
    for (const ValueNote& note : values.notes())
      notes += noteText(note);
    EXPECT_EQ(notes, c.note) << what;
  }
}

// A row's notes come in column order whatever their kind, a number overwritten by a later
// column's is still named, and the card has the later one in international form.
TEST(MoreFields, ARowsNotesComeInColumnOrder) {
  MemorySheet sheet({{1,
                      {std::string("Phone"), std::string("Birthday"), std::string("Mobile"),
                       std::string("Office")}},
                     {2,
                      {std::string("12"), std::string("soon"), std::string("call me"),
                       std::string("020 7946 0123 ::: 34")}}});
  const source::SheetTable table = test::tableOf(sheet.rows(), 2, 2);
  const ExportJob job{table,
                      {test::pairOf(0, BusinessTelephoneNumber), test::pairOf(1, Birthday),
                       test::pairOf(2, MobileNumber), test::pairOf(3, BusinessTelephoneNumber)},
                      '.'};
  MoreFieldsOptions options;
  options.country = "GB";
  ContactValues values;
  sheet.nextRow();
  sheet.nextRow();
  ContactRowReader(job).read(sheet, options, values);
  std::vector<std::string> notes;
  for (const ValueNote& note : values.notes())
    notes.push_back(noteText(note));
  const std::string notOfGb = " is not a phone number of GB, so it is written as it stands";
  EXPECT_EQ(notes, (std::vector<std::string>{
                       "BusinessTelephoneNumber \"12\" in column A" + notOfGb,
                       "Birthday \"soon\" in column B is not a date, so the card has no line for "
                       "it (write 1985-03-13, or --03-13 without the year)",
                       "MobileNumber \"call me\" in column C" + notOfGb,
                       "BusinessTelephoneNumber \"34\" in column D" + notOfGb}));
  EXPECT_EQ(values[BusinessTelephoneNumber], "+44 20 7946 0123");
  EXPECT_EQ(values[MobileNumber], "call me");
}

// A header names a More Field only while they are offered, and only when no word of another
// field stands beside the More Field's word.
TEST(MoreFields, HeadersNameThemOnlyWhileOfferedAndOnlyByTheirOwnWords) {
  const std::vector<std::pair<std::string_view, std::optional<Field>>> cases{
      {"Geburtstag", Birthday},
      {"Date of Birth", Birthday},
      {"Geburtsort", std::nullopt},
      {"Geburtsname", std::nullopt},
      {"Anniversaire de mariage ou fête", Anniversary},
      {"Takma adı", Nickname},
      {"Other Phone", OtherTelephoneNumber},
      {"Company Main Phone", std::nullopt},
      {"Other Fax", std::nullopt},
      {"Pager-Nummer", PagerNumber},
      {"Personal Web Page", PersonalHomePage},
      {"Web Page", BusinessHomePage},
  };
  for (const auto& [header, field] : cases) {
    EXPECT_EQ(fieldForHeader(header, true), field) << header;
    const bool more = field && isMoreField(*field);
    EXPECT_EQ(fieldForHeader(header), more ? std::nullopt : field) << header;
  }
}

}  // namespace
}  // namespace quillmere::core
