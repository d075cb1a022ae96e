#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ExportRun.h"
#include "source/WorkbookError.h"
#include "source/load/SheetLoader.h"
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
using Kind = RowOutcome::Kind;

struct Fixture {
  MemorySheet sheet;
  source::SheetTable table;
  MemorySink sink;
  ScriptedOptions options;
  RecordingObserver observer;

  Fixture(MemorySheet::Rows rows, std::int32_t rowsFound, std::uint32_t lastRow)
      : sheet(rows), table(tableOf(rows, rowsFound, lastRow)) {}

  ExportReport run(std::vector<ColumnPair> columns, char decimalSeparator = '.') {
    const ExportJob job{table, std::move(columns), decimalSeparator};
    return exportContacts(sheet, job, options, sink, observer);
  }
};

using Rows = MemorySheet::Rows;

Rows nameRows() {
  return {{1, {std::string("First"), std::string("Last"), std::string("Mail")}},
          {2, {std::string("John"), std::string("Smith"), std::string("john@example.org")}},
          {3, {std::string("Ann"), std::string("Lee")}},
          {4, {std::string(""), std::string(""), std::string("")}},
          {6, {std::string("Bob"), std::string("Ray"), std::string("bob@example.org")}}};
}

const std::vector<ColumnPair> kNameMapping = {
    pairOf(0, Field::FirstName), pairOf(1, Field::LastName), pairOf(2, Field::EmailAddress)};

TEST(ExportRun, WritesOneRecordPerDataRowInSheetOrderSkippingEmptyRows) {
  Fixture f(nameRows(), 4, 6);
  const ExportReport report = f.run(kNameMapping);
  // The empty row 4 gives no record and uses no number.
  EXPECT_EQ(f.sink.order,
            (std::vector<std::string>{"SmithJohn_1.vcf", "LeeAnn_2.vcf", "RayBob_3.vcf"}));
  EXPECT_EQ(f.sink.files["SmithJohn_1.vcf"],
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;John;\r\nFN:John Smith\r\n"
            "EMAIL;PREF;INTERNET:john@example.org\r\nEND:VCARD\r\n");
  EXPECT_EQ(f.sink.files["LeeAnn_2.vcf"],
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;\r\nFN:Ann Lee\r\nEND:VCARD\r\n");
  EXPECT_EQ(report.counts.contactCount, 3);
  EXPECT_EQ(report.counts.rowsProcessed, 3);
  EXPECT_EQ(report.counts.dataRows, 3);
  EXPECT_TRUE(report.everyContactWritten());
  EXPECT_EQ(report.location, "/out/Quillmere_1_1_2027_0_0_0");
  ASSERT_EQ(f.observer.outcomes.size(), 3u);
  EXPECT_EQ(f.observer.outcomes[2].sheetRow, 6u);
  EXPECT_EQ(f.observer.outcomes[2].file, "RayBob_3.vcf");
  EXPECT_EQ(f.observer.progresses[1].contactCount, 2);
  EXPECT_EQ(f.sink.begins, 1);
  EXPECT_EQ(f.sink.finishes, 1);
  EXPECT_EQ(f.sink.completes, 1);
}

TEST(ExportRun, EachOutcomeCarriesTheValuesItsRowWasReadWith) {
  Rows rows = {{1, {std::string("Name"), std::string("Mail"), std::string("Note")}},
               {2, {std::string("Ann"), std::string("ann@x"), std::string("n")}},
               {3, {std::string("Bob"), std::string("  "), std::string("m")}}};
  Fixture f(rows, 3, 3);
  f.run({pairOf(0, Field::FullName), pairOf(1, Field::EmailAddress), pairOf(2, Field::Notes)});
  ASSERT_EQ(f.observer.values.size(), 2u);
  EXPECT_EQ(f.observer.values[0][Field::FullName], "Ann");
  EXPECT_EQ(f.observer.values[0][Field::EmailAddress], "ann@x");
  EXPECT_EQ(f.observer.values[0][Field::Notes], "n");
  // A dropped row stops reading at its e-mail cell.
  EXPECT_EQ(f.observer.outcomes[1].kind, Kind::DroppedEmptyEmail);
  EXPECT_EQ(f.observer.values[1][Field::FullName], "Bob");
  EXPECT_EQ(f.observer.values[1][Field::Notes], "");
}

// Four empty rows (7 to 10) inside the data; the empty rows after row 11 or 12 are five or
// more, so row 18 is never a data row.
Rows gappedRows() {
  Rows rows = nameRows();
  rows[8] = {std::string(""), std::string(""), std::string("")};
  rows[11] = {std::string("Still"), std::string("Here")};
  rows[18] = {std::string("After"), std::string("Gap")};
  return rows;
}

// A row put right below the last counted row after the load, as if the workbook grew.
Rows grownRows() {
  Rows rows = gappedRows();
  rows[12] = {std::string("Added"), std::string("Later")};
  return rows;
}

// Lets the load read the whole sheet.
class KeepLoading : public source::LoadObserver {
 public:
  bool rowTaken(std::int32_t) override { return true; }
};

TEST(ExportRun, ARunWritesExactlyTheRowsItsLoadCounted) {
  MemorySheet loadedSheet(gappedRows());
  KeepLoading loading;
  const auto loaded = source::extractSheetData(loadedSheet, loading);
  ASSERT_TRUE(loaded.has_value());
  Fixture f(grownRows(), 0, 0);
  f.table = loaded->table;
  const ExportReport report = f.run(kNameMapping);
  std::vector<std::uint32_t> sheetRows;
  for (const RowOutcome& outcome : f.observer.outcomes)
    sheetRows.push_back(outcome.sheetRow);
  EXPECT_EQ(sheetRows, (std::vector<std::uint32_t>{2, 3, 6, 11}));
  EXPECT_EQ(f.sink.order, (std::vector<std::string>{"SmithJohn_1.vcf", "LeeAnn_2.vcf",
                                                    "RayBob_3.vcf", "HereStill_4.vcf"}));
  EXPECT_EQ(report.counts.rowsProcessed, loaded->table.dataRows());
  EXPECT_EQ(report.counts.dataRows, loaded->table.dataRows());
  EXPECT_TRUE(report.everyContactWritten());
}

TEST(ExportRun, WithoutCountedRowsItWritesEveryDataRowAndCountsThemAsItGoes) {
  Fixture f(grownRows(), 0, 0);
  f.table.rowsCounted = false;
  const ExportReport report = f.run(kNameMapping);
  EXPECT_EQ(f.sink.order,
            (std::vector<std::string>{"SmithJohn_1.vcf", "LeeAnn_2.vcf", "RayBob_3.vcf",
                                      "HereStill_4.vcf", "LaterAdded_5.vcf"}));
  EXPECT_EQ(report.counts.dataRows, 5);
  EXPECT_TRUE(report.everyContactWritten());
}

TEST(ExportRun, AHeaderOnlyWorkbookWritesNothingAndSucceeds) {
  Fixture f({{1, {std::string("Name")}}}, 1, 1);
  const ExportReport report = f.run({pairOf(0, Field::FullName)});
  EXPECT_TRUE(f.sink.files.empty());
  EXPECT_EQ(f.sink.begins, 1);
  EXPECT_EQ(report.counts.dataRows, 0);
  EXPECT_TRUE(report.everyContactWritten());
}

TEST(ExportRun, AnEmailOfOnlySpacesDropsTheRowUnlessAllowed) {
  Rows rows = {{1, {std::string("Name"), std::string("Mail"), std::string("Note")}},
               {2, {std::string("Ann"), std::string("   "), std::string("n")}},
               {3, {std::string("Bob"), std::string(""), std::string("m")}},
               {4, {std::string("Cy"), std::string("cy@x")}}};
  const std::vector<ColumnPair> mapping = {
      pairOf(0, Field::FullName), pairOf(1, Field::EmailAddress2), pairOf(2, Field::Notes)};
  Fixture dropped(rows, 4, 4);
  const ExportReport report = dropped.run(mapping);
  EXPECT_EQ(report.counts.emptyEmailCount, 1);
  EXPECT_EQ(report.counts.contactCount, 2);
  EXPECT_TRUE(report.everyContactWritten());
  // The dropped row takes no number; an empty e-mail cell is no empty e-mail.
  EXPECT_EQ(dropped.sink.order, (std::vector<std::string>{"1.vcf", "2.vcf"}));
  EXPECT_EQ(dropped.sink.files["1.vcf"],
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob\r\nNOTE:m\r\nEND:VCARD\r\n");
  EXPECT_EQ(dropped.observer.outcomes[0].kind, Kind::DroppedEmptyEmail);
  EXPECT_EQ(dropped.observer.progresses[0].emptyEmailCount, 1);
  EXPECT_EQ(dropped.options.emailAsks, 1);

  Fixture allowed(rows, 4, 4);
  allowed.options.allowEmpty = true;
  allowed.run(mapping);
  EXPECT_EQ(
      allowed.sink.files["1.vcf"],
      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEMAIL;INTERNET:   \r\nNOTE:n\r\nEND:VCARD\r\n");
}

TEST(ExportRun, NoValueOfOneRowReachesTheNext) {
  Rows rows = {{1, {std::string("Name"), std::string("Company")}},
               {2, {std::string("Ann"), std::string("Acme")}},
               {3, {std::string("Bob")}}};
  Fixture f(rows, 3, 3);
  f.run({pairOf(0, Field::FullName), pairOf(1, Field::Company)});
  EXPECT_EQ(f.sink.files["2.vcf"], "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob\r\nEND:VCARD\r\n");
}

TEST(ExportRun, TheRightMostNonEmptyColumnMappedToAFieldWins) {
  Rows rows = {{1, {std::string("Mobile"), std::string("Cell")}},
               {2, {std::string("111"), std::string("222")}},
               {3, {std::string("333"), std::string("")}}};
  Fixture f(rows, 3, 3);
  f.run({pairOf(0, Field::MobileNumber), pairOf(1, Field::MobileNumber)});
  EXPECT_NE(f.sink.files["1.vcf"].find("TEL;CELL;VOICE:222\r\n"), std::string::npos);
  EXPECT_EQ(f.sink.files["1.vcf"].find("111"), std::string::npos);
  EXPECT_NE(f.sink.files["2.vcf"].find("TEL;CELL;VOICE:333\r\n"), std::string::npos);
}

TEST(ExportRun, TitleAndErrorCellsAndUnmappedColumnsAddNothing) {
  Rows rows = {
      {1, {std::string("Name"), std::string("Title"), std::string("Phone"), std::string("Other")}},
      {2, {std::string("Ann"), std::string("Dr."), MemorySheet::Error{"#N/A"}, std::string("y")}}};
  Fixture f(rows, 2, 2);
  f.run({pairOf(0, Field::FullName), pairOf(1, Field::Title), pairOf(2, Field::MobileNumber)});
  EXPECT_EQ(f.sink.files["1.vcf"], "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEND:VCARD\r\n");
}

TEST(ExportRun, NumbersTakeTheirTextFormWithTheGivenDecimalSeparator) {
  Rows rows = {{1, {std::string("Name"), std::string("Phone")}},
               {2, {std::string("Ann"), 1512345678.0}},
               {3, {std::string("Bob"), 0.5}}};
  Fixture f(rows, 3, 3);
  f.run({pairOf(0, Field::FullName), pairOf(1, Field::HomeTelephoneNumber)}, ',');
  EXPECT_NE(f.sink.files["1.vcf"].find("TEL;HOME;VOICE:1512345678\r\n"), std::string::npos);
  EXPECT_NE(f.sink.files["2.vcf"].find("TEL;HOME;VOICE:0\\,5\r\n"), std::string::npos);
}

// A phone number, a postal code and a birthday stored as numbers, each under a format that
// gives back what the user typed; a share in General; an e-mail column holding a number shown
// as spaces alone.
Rows formattedRows() {
  using Styled = MemorySheet::Styled;
  return {{1,
           {std::string("Name"), std::string("Phone"), std::string("Zip"), std::string("Born"),
            std::string("Share"), std::string("Mail")}},
          {2,
           {std::string("Ann"), Styled{1512345678, 1}, Styled{1234, 2}, Styled{31119, 3},
            Styled{0.5, 0}, std::string("ann@x")}},
          {3, {std::string("Bob"), std::string("0151 999"), 1234.0}},
          {4,
           {std::string("Cy"), Styled{1512345678, 1}, Styled{1234, 2}, Styled{31119, 3},
            Styled{0.5, 0}, Styled{7, 4}}}};
}

source::CellFormats contactFormats() {
  return source::CellFormats(
      {0, 164, 165, 166, 167},
      {{164, "0000 0000000"}, {165, "00000"}, {166, "d mmmm yyyy"}, {167, "\"  \""}}, false);
}

const std::vector<ColumnPair> kFormattedMapping = {pairOf(0, Field::FullName),
                                                   pairOf(1, Field::MobileNumber),
                                                   pairOf(2, Field::HomeAddressPostalCode),
                                                   pairOf(3, Field::Notes),
                                                   pairOf(4, Field::BusinessHomePage),
                                                   pairOf(5, Field::EmailAddress)};

TEST(ExportRun, NumbersAreTakenAsTheSheetShowsThemWhenTheOptionsSaySo) {
  Fixture f(formattedRows(), 4, 4);
  f.sheet.setCellFormats(contactFormats());
  f.options.asShown = true;
  f.options.allowEmpty = true;
  f.run(kFormattedMapping, ',');
  ASSERT_EQ(f.observer.values.size(), 3u);
  const ContactValues& ann = f.observer.values[0];
  EXPECT_EQ(ann[Field::MobileNumber], "0151 2345678");
  EXPECT_EQ(ann[Field::HomeAddressPostalCode], "01234");
  EXPECT_EQ(ann[Field::Notes], "13 March 1985");
  // General keeps the text form and its decimal separator; text cells stay as they are.
  EXPECT_EQ(ann[Field::BusinessHomePage], "0,5");
  EXPECT_EQ(ann[Field::EmailAddress], "ann@x");
  EXPECT_EQ(f.observer.values[1][Field::MobileNumber], "0151 999");
  EXPECT_EQ(f.observer.values[1][Field::HomeAddressPostalCode], "1234");
  EXPECT_EQ(f.observer.values[2][Field::EmailAddress], "  ");
  EXPECT_NE(f.sink.files["1.vcf"].find("TEL;CELL;VOICE:0151 2345678\r\n"), std::string::npos);
}

TEST(ExportRun, TheNumbersOptionIsAskedForEachRowAndAppliesFromTheNext) {
  Fixture f(formattedRows(), 4, 4);
  f.sheet.setCellFormats(contactFormats());
  f.options.allowEmpty = true;
  f.observer.onRow = [&](int row) {
    if (row == 1) f.options.asShown = true;
  };
  f.run(kFormattedMapping);
  EXPECT_EQ(f.options.shownAsks, 3);
  ASSERT_EQ(f.observer.values.size(), 3u);
  EXPECT_EQ(f.observer.values[0][Field::MobileNumber], "1512345678");
  EXPECT_EQ(f.observer.values[0][Field::Notes], "31119");
  EXPECT_EQ(f.observer.values[2][Field::MobileNumber], "0151 2345678");
  EXPECT_EQ(f.observer.values[2][Field::Notes], "13 March 1985");
}

TEST(ExportRun, ANumberShownAsSpacesIsAnEmptyEmailOnlyWhenTakenAsShown) {
  for (const bool asShown : {false, true}) {
    Fixture f(formattedRows(), 4, 4);
    f.sheet.setCellFormats(contactFormats());
    f.options.asShown = asShown;
    const ExportReport report = f.run(kFormattedMapping);
    EXPECT_EQ(report.counts.emptyEmailCount, asShown ? 1 : 0) << asShown;
    EXPECT_EQ(report.counts.contactCount, asShown ? 2 : 3) << asShown;
  }
}

TEST(ExportRun, VersionAndSingleFileAreAskedForEachRecordAndApplyFromTheNext) {
  Fixture f(nameRows(), 4, 6);
  f.observer.onRow = [&](int row) {
    if (row == 1) {
      f.options.version = VCardVersion::V40;
      f.options.single = true;
    }
  };
  f.run(kNameMapping);
  EXPECT_EQ(f.sink.order,
            (std::vector<std::string>{"SmithJohn_1.vcf", "All Contacts.vcf", "All Contacts.vcf"}));
  EXPECT_NE(f.sink.files["SmithJohn_1.vcf"].find("VERSION:3.0"), std::string::npos);
  EXPECT_EQ(f.sink.files["All Contacts.vcf"],
            "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Lee;Ann;\r\nFN:Ann Lee\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Ray;Bob;\r\nFN:Bob Ray\r\n"
            "EMAIL;PREF;INTERNET:bob@example.org\r\nEND:VCARD\r\n");
  EXPECT_EQ(f.options.versionAsks, 3);
  EXPECT_EQ(f.options.singleAsks, 3);
}

TEST(ExportRun, AFailedWriteIsCountedWithItsReasonAndTheRunGoesOn) {
  Fixture f(nameRows(), 4, 6);
  f.sink.failAppends = {2};
  const ExportReport report = f.run(kNameMapping);
  EXPECT_EQ(report.counts.contactCount, 2);
  EXPECT_EQ(report.counts.failedCount, 1);
  EXPECT_EQ(report.notWritten(), 1);
  EXPECT_EQ(report.firstFailure, "disk full at append 2");
  EXPECT_FALSE(report.everyContactWritten());
  EXPECT_EQ(f.observer.outcomes[1].kind, Kind::Failed);
  EXPECT_EQ(f.observer.outcomes[1].file, "LeeAnn_2.vcf");
  EXPECT_EQ(f.observer.outcomes[1].reason, "disk full at append 2");
  EXPECT_EQ(f.sink.order, (std::vector<std::string>{"SmithJohn_1.vcf", "RayBob_3.vcf"}));
}

TEST(ExportRun, AFolderThatCannotBeMadeFailsEveryContactWithItsReason) {
  Fixture f(nameRows(), 4, 6);
  f.sink.beginFailure = "The folder could not be made: the disk can only be read.";
  const ExportReport report = f.run(kNameMapping);
  EXPECT_EQ(report.counts.contactCount, 0);
  EXPECT_EQ(report.counts.failedCount, 3);
  EXPECT_EQ(report.firstFailure, f.sink.beginFailure);
  EXPECT_FALSE(report.everyContactWritten());
}

TEST(ExportRun, ALostCloseIsReported) {
  Fixture f(nameRows(), 4, 6);
  f.sink.finishFailure = "could not be saved completely";
  const ExportReport report = f.run(kNameMapping);
  EXPECT_EQ(report.closeFailure, "could not be saved completely");
  EXPECT_FALSE(report.everyContactWritten());
}

TEST(ExportRun, AChangedHeaderRowStopsTheRunBeforeAnythingIsMade) {
  Fixture f(nameRows(), 4, 6);
  f.table.headers[1].text = "Surname";
  try {
    f.run(kNameMapping);
    FAIL() << "the run went on with other headers";
  } catch (const WorkbookChanged& changed) {
    EXPECT_NE(std::string(changed.what()).find("/data/contacts.xlsx"), std::string::npos);
  }
  EXPECT_EQ(f.sink.begins, 0);
  EXPECT_TRUE(f.sink.files.empty());

  Fixture wider(nameRows(), 4, 6);
  wider.table.headers.pop_back();
  EXPECT_THROW(wider.run(kNameMapping), WorkbookChanged);
}

TEST(ExportRun, AWorkbookWithFewerRowsThanLoadedSaysSo) {
  Rows rows = nameRows();
  rows.erase(6);
  Fixture f(rows, 4, 6);
  const ExportReport report = f.run(kNameMapping);
  EXPECT_EQ(report.counts.contactCount, 2);
  EXPECT_EQ(report.notWritten(), 1);
  EXPECT_NE(report.readFailure.find("changed since it was loaded"), std::string::npos);
  EXPECT_FALSE(report.everyContactWritten());
}

// A sheet whose reading fails part-way, as a file cut short on the disk would.
class BreakingSheet : public MemorySheet {
 public:
  using MemorySheet::MemorySheet;
  bool nextRow() override {
    if (rowsRead >= breakAfter) {
      throw source::WorkbookError(source::WorkbookError::Kind::Corrupt, "/data/contacts.xlsx",
                                  "is damaged: it ends in the middle of row 3.");
    }
    return MemorySheet::nextRow();
  }
  std::uint64_t breakAfter = 2;
};

TEST(ExportRun, AReadingErrorPartWayEndsTheRunWithItsReason) {
  const Rows rows = nameRows();
  BreakingSheet sheet(rows);
  source::SheetTable table = tableOf(rows, 4, 6);
  MemorySink sink;
  ScriptedOptions options;
  RecordingObserver observer;
  const ExportJob job{table, kNameMapping, '.'};
  const ExportReport report = exportContacts(sheet, job, options, sink, observer);
  EXPECT_EQ(report.counts.contactCount, 1);
  EXPECT_EQ(report.notWritten(), 2);
  EXPECT_NE(report.readFailure.find("ends in the middle of row 3"), std::string::npos);
  EXPECT_EQ(sink.finishes, 1);
  EXPECT_EQ(sink.completes, 0);
  EXPECT_FALSE(report.everyContactWritten());
}

TEST(ExportRun, TheObserverCanStopTheRunBetweenRows) {
  Fixture f(nameRows(), 4, 6);
  f.observer.stopAfter = 1;
  const ExportReport report = f.run(kNameMapping);
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.counts.contactCount, 1);
  EXPECT_EQ(f.sink.order.size(), 1u);
  EXPECT_EQ(f.sink.finishes, 1);
  // A stopped run's folder must never look finished.
  EXPECT_EQ(f.sink.completes, 0);
  EXPECT_FALSE(report.everyContactWritten());
}

}  // namespace
}  // namespace quillmere::core
