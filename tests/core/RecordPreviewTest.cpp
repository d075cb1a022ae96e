#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/ExportRun.h"
#include "core/RecordPreview.h"
#include "tests/core/ExportDoubles.h"
#include "tests/support/MemorySheet.h"

namespace quillmere::core {
namespace {

using test::MemorySheet;
using test::MemorySink;
using test::pairOf;
using test::RecordingObserver;
using test::ScriptedOptions;
using test::tableOf;
using Rows = MemorySheet::Rows;
using Kind = RowOutcome::Kind;

// Rows with everything that decides a record: inner empty rows, an e-mail of spaces, two
// columns for one field, a Title column, an error cell and text right of the headers.
Rows mixedRows() {
  return {
      {1,
       {std::string("First"), std::string("Last"), std::string("Mail"), std::string("Mobile"),
        std::string("Cell"), std::string("Title"), std::string("Note")}},
      {2,
       {std::string("John"), std::string("Smith"), std::string("john@example.org"),
        std::string("111"), std::string("222"), std::string("Dr."), std::string("a;b,c")}},
      {3, {std::string("Ann"), std::string("Lee"), std::string("   "), std::string("333")}},
      {4, {std::string(""), std::string(""), std::string(""), std::string("")}},
      {5,
       {std::string(""), std::string(""), std::string(""), MemorySheet::Error{"#N/A"},
        std::string("")}},
      {7, {std::string("Zoë"), std::string("Müller"), std::string(""), 1512345678.0}},
      {8,
       {std::string(""), std::string(""), std::string(""), std::string(""), std::string(""),
        std::string(""), std::string(""), std::string("right of the headers")}},
      {9, {std::string("Bob"), std::string("Ray"), std::string("bob@x"), std::string("444")}},
  };
}

// Data rows 2, 3, 5, 7 and 9: row 5 holds only an error value, which is not empty.
constexpr std::int32_t kMixedRowsFound = 6;
constexpr std::uint32_t kMixedLastRow = 9;

const std::vector<ColumnPair> kMixedMapping = {
    pairOf(0, Field::FirstName),    pairOf(1, Field::LastName),     pairOf(2, Field::EmailAddress),
    pairOf(3, Field::MobileNumber), pairOf(4, Field::MobileNumber), pairOf(5, Field::Title),
    pairOf(6, Field::Notes)};

class CardsMatchTheExport
    : public ::testing::TestWithParam<std::tuple<VCardVersion, bool, bool, bool>> {};

// With a destination, the standard forms, and files of at most two contacts each.
TEST_P(CardsMatchTheExport, EveryCardIsTheRecordAndFileTheRunWritesForItsRow) {
  const auto [version, single, allowEmpty, forCardDav] = GetParam();
  const Rows rows = mixedRows();
  const source::SheetTable table = tableOf(rows, kMixedRowsFound, kMixedLastRow);
  ScriptedOptions options;
  options.version = version;
  options.single = single;
  options.allowEmpty = allowEmpty;
  if (forCardDav) {
    options.destinationChoice = Destination::CardDav;
    options.perFileLimit = 2;
  }

  MemorySheet exported(rows);
  MemorySink sink;
  RecordingObserver observer;
  exportContacts(exported, ExportJob{table, kMixedMapping, ','}, options, sink, observer);
  ASSERT_EQ(observer.outcomes.size(), 5u);

  MemorySheet previewed(rows);
  RecordPreview preview(previewed, table, kMixedMapping, ',');
  ASSERT_EQ(preview.dataRows(), 5);
  // Out of order, so rows are reached both onwards and by starting again.
  for (const std::int32_t index : {4, 2, 5, 1, 3, 3}) {
    ASSERT_TRUE(preview.moveTo(index));
    const PreviewCard card = preview.card(options);
    const RowOutcome& outcome = observer.outcomes[static_cast<std::size_t>(index - 1)];
    EXPECT_EQ(card.dataRow, index);
    EXPECT_EQ(card.sheetRow, outcome.sheetRow);
    EXPECT_EQ(card.dropped, outcome.kind == Kind::DroppedEmptyEmail) << "row " << card.sheetRow;
    if (card.dropped) {
      EXPECT_TRUE(card.record.empty());
      EXPECT_TRUE(card.file.empty());
      continue;
    }
    // The written records, in order, skip the dropped rows.
    std::size_t written = 0;
    for (std::int32_t i = 0; i < index - 1; ++i) {
      if (observer.outcomes[static_cast<std::size_t>(i)].kind == Kind::Written) ++written;
    }
    ASSERT_LT(written, sink.records.size());
    EXPECT_EQ(card.record, sink.records[written]) << "row " << card.sheetRow;
    EXPECT_EQ(card.file, outcome.file) << "row " << card.sheetRow;
  }
}

INSTANTIATE_TEST_SUITE_P(
    VersionsAndOptions, CardsMatchTheExport,
    ::testing::Combine(::testing::Values(VCardVersion::V21, VCardVersion::V30, VCardVersion::V40),
                       ::testing::Bool(), ::testing::Bool(), ::testing::Bool()));

// Numbers under formats; in row 3 the e-mail is a number shown as spaces alone, which the
// e-mail rule drops only when numbers are taken as shown.
Rows formattedRows() {
  using Styled = MemorySheet::Styled;
  return {{1, {std::string("Name"), std::string("Phone"), std::string("Mail")}},
          {2, {std::string("Ann"), Styled{1512345678, 1}, std::string("ann@x")}},
          {3, {std::string("Bob"), Styled{1512345678, 1}, Styled{7, 2}}},
          {4, {std::string("Cy"), Styled{1234, 3}}}};
}

TEST(RecordPreview, CardsFollowTheNumbersOptionAsTheRunDoes) {
  const Rows rows = formattedRows();
  const source::SheetTable table = tableOf(rows, 4, 4);
  const std::vector<ColumnPair> mapping = {
      pairOf(0, Field::LastName), pairOf(1, Field::MobileNumber), pairOf(2, Field::EmailAddress)};
  const auto formats = [] {
    return source::CellFormats({0, 164, 165, 166},
                               {{164, "0000 0000000"}, {165, "\"  \""}, {166, "00000"}}, false);
  };
  MemorySheet previewed(rows);
  previewed.setCellFormats(formats());
  RecordPreview preview(previewed, table, mapping, '.');
  for (const bool asShown : {false, true}) {
    ScriptedOptions options;
    options.asShown = asShown;
    MemorySheet exported(rows);
    exported.setCellFormats(formats());
    MemorySink sink;
    RecordingObserver observer;
    exportContacts(exported, ExportJob{table, mapping, '.'}, options, sink, observer);
    ASSERT_EQ(observer.outcomes.size(), 3u);
    // Row 4 is reached before the option changes, so the file numbers count the dropped rows
    // both ways.
    ASSERT_TRUE(preview.moveTo(3));
    const PreviewCard card = preview.card(options);
    EXPECT_EQ(card.file, observer.outcomes[2].file) << asShown;
    EXPECT_EQ(card.record, sink.records.back()) << asShown;
    ASSERT_TRUE(preview.moveTo(2));
    EXPECT_EQ(preview.card(options).dropped, asShown);
  }
  ScriptedOptions stored;
  EXPECT_EQ(preview.card(stored).file, "Bob_2.vcf");
  ScriptedOptions shown;
  shown.asShown = true;
  ASSERT_TRUE(preview.moveTo(1));
  EXPECT_NE(preview.card(shown).record.find("TEL;CELL;VOICE:0151 2345678\r\n"), std::string::npos);
  ASSERT_TRUE(preview.moveTo(3));
  EXPECT_EQ(preview.card(shown).file, "Cy_2.vcf");
  EXPECT_NE(preview.card(shown).record.find("TEL;CELL;VOICE:01234\r\n"), std::string::npos);
}

TEST(RecordPreview, TheFirstCardFollowsTheVersionAndTheSingleFileBox) {
  const Rows rows = {{1, {std::string("First"), std::string("Last"), std::string("Mail")}},
                     {2, {std::string("John"), std::string("Smith"), std::string("john@x.org")}},
                     {3, {std::string("Ann")}}};
  MemorySheet sheet(rows);
  RecordPreview preview(
      sheet, tableOf(rows, 3, 3),
      {pairOf(0, Field::FirstName), pairOf(1, Field::LastName), pairOf(2, Field::EmailAddress)},
      '.');
  EXPECT_EQ(preview.position(), 1);
  ScriptedOptions options;
  PreviewCard card = preview.card(options);
  EXPECT_EQ(card.sheetRow, 2u);
  EXPECT_EQ(card.dataRow, 1);
  EXPECT_FALSE(card.dropped);
  EXPECT_EQ(card.record,
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;John;\r\nFN:John Smith\r\n"
            "EMAIL;PREF;INTERNET:john@x.org\r\nEND:VCARD");
  EXPECT_EQ(card.file, "SmithJohn_1.vcf");

  options.version = VCardVersion::V40;
  options.single = true;
  card = preview.card(options);
  EXPECT_EQ(card.record.substr(0, 26), "BEGIN:VCARD\r\nVERSION:4.0\r\n");
  EXPECT_EQ(card.file, "All Contacts.vcf");
}

TEST(RecordPreview, ARowTheEmailRuleDropsSaysSoAndTakesNoFileNumber) {
  const Rows rows = {{1, {std::string("Name"), std::string("Mail")}},
                     {2, {std::string(""), std::string("   ")}},
                     {3, {std::string(""), std::string("")}},
                     {4, {std::string("x"), std::string("cy@x")}}};
  MemorySheet mailSheet(rows);
  RecordPreview mail(mailSheet, tableOf(rows, 3, 4),
                     {pairOf(0, Field::FullName), pairOf(1, Field::EmailAddress)}, '.');
  // The empty row 3 is no data row.
  ASSERT_EQ(mail.dataRows(), 2);
  ScriptedOptions strict;
  PreviewCard card = mail.card(strict);
  EXPECT_TRUE(card.dropped);
  EXPECT_EQ(card.sheetRow, 2u);
  EXPECT_TRUE(card.record.empty());

  ScriptedOptions allowing;
  allowing.allowEmpty = true;
  card = mail.card(allowing);
  EXPECT_FALSE(card.dropped);
  EXPECT_EQ(card.record,
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\r\nEMAIL;PREF;INTERNET:   \r\nEND:VCARD");
  EXPECT_EQ(card.file, "1.vcf");

  ASSERT_TRUE(mail.moveTo(2));
  EXPECT_EQ(mail.card(strict).sheetRow, 4u);
  EXPECT_EQ(mail.card(strict).file, "1.vcf");
  EXPECT_EQ(mail.card(allowing).file, "2.vcf");
}

TEST(RecordPreview, StepsOnByReadingOnAndBackByStartingAgain) {
  const Rows rows = mixedRows();
  MemorySheet sheet(rows);
  RecordPreview preview(sheet, tableOf(rows, kMixedRowsFound, kMixedLastRow), kMixedMapping, '.');
  EXPECT_EQ(sheet.rewinds, 1);
  ASSERT_TRUE(preview.moveTo(4));
  ASSERT_TRUE(preview.moveTo(5));
  EXPECT_EQ(sheet.rewinds, 1);
  ASSERT_TRUE(preview.moveTo(5));
  EXPECT_EQ(sheet.rewinds, 1);
  ASSERT_TRUE(preview.moveTo(2));
  EXPECT_EQ(sheet.rewinds, 2);
  ScriptedOptions options;
  EXPECT_EQ(preview.card(options).sheetRow, 3u);

  EXPECT_FALSE(preview.moveTo(0));
  EXPECT_FALSE(preview.moveTo(6));
  EXPECT_EQ(preview.position(), 2);
}

TEST(RecordPreview, AWalkThatIsToldToStopStaysWhereItHasGot) {
  const Rows rows = mixedRows();
  MemorySheet sheet(rows);
  RecordPreview preview(sheet, tableOf(rows, kMixedRowsFound, kMixedLastRow), kMixedMapping, '.');
  int asked = 0;
  EXPECT_FALSE(preview.moveTo(5, [&] { return ++asked < 2; }));
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(preview.position(), 3);
  ScriptedOptions options;
  EXPECT_EQ(preview.card(options).sheetRow, 5u);
  EXPECT_TRUE(preview.moveTo(5, [] { return true; }));
  EXPECT_EQ(preview.card(options).sheetRow, 9u);
  // Bob's is the fourth record: Ann's e-mail of spaces drops her, and row 5, holding only an
  // error value, makes a card without a name.
  EXPECT_EQ(preview.card(options).file, "RayBob_4.vcf");
}

TEST(RecordPreview, ASheetChangedSinceLoadingIsReportedAndTheNextMoveStartsAgain) {
  const Rows rows = mixedRows();
  source::SheetTable renamed = tableOf(rows, kMixedRowsFound, kMixedLastRow);
  renamed.headers[2].text = "E-mail";
  MemorySheet first(rows);
  EXPECT_THROW(RecordPreview(first, renamed, kMixedMapping, '.'), WorkbookChanged);

  Rows shorter = rows;
  shorter.erase(9);
  MemorySheet sheet(shorter);
  RecordPreview preview(sheet, tableOf(rows, kMixedRowsFound, kMixedLastRow), kMixedMapping, '.');
  try {
    preview.moveTo(5);
    FAIL() << "a row that is gone was shown";
  } catch (const WorkbookChanged& changed) {
    EXPECT_NE(std::string(changed.what()).find("fewer rows"), std::string::npos);
    EXPECT_NE(std::string(changed.what()).find("/data/contacts.xlsx"), std::string::npos);
  }
  const int rewinds = sheet.rewinds;
  ASSERT_TRUE(preview.moveTo(4));
  EXPECT_EQ(sheet.rewinds, rewinds + 1);
  ScriptedOptions options;
  EXPECT_EQ(preview.card(options).sheetRow, 7u);
}

TEST(RecordPreview, ASheetWithoutDataRowsHasNoRowToShow) {
  const Rows rows = {{1, {std::string("Name")}}};
  MemorySheet sheet(rows);
  RecordPreview preview(sheet, tableOf(rows, 1, 1), {pairOf(0, Field::FullName)}, '.');
  EXPECT_EQ(preview.dataRows(), 0);
  EXPECT_EQ(preview.position(), 0);
  EXPECT_FALSE(preview.moveTo(1));
}

}  // namespace
}  // namespace quillmere::core
