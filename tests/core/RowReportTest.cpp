#include <gtest/gtest.h>
#include <stdlib.h>

#include <cctype>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/ContactKeys.h"
#include "core/CsvField.h"
#include "core/DuplicateIndex.h"
#include "core/ExportRun.h"
#include "core/RowReport.h"
#include "tests/core/ExportDoubles.h"
#include "tests/support/MemorySheet.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::core {
namespace {

namespace fs = std::filesystem;
using test::MemorySheet;
using test::MemorySink;
using test::ScriptedOptions;
using test::tableOf;
using Kind = RowOutcome::Kind;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

ContactValues contact(std::initializer_list<std::pair<Field, const char*>> values) {
  ContactValues contact;
  for (const auto& [field, value] : values)
    contact[field] = value;
  return contact;
}

bool shareAKey(const ContactValues& a, const ContactValues& b) {
  const ContactKeys x = contactKeys(a);
  const ContactKeys y = contactKeys(b);
  for (std::size_t i = 0; i < x.count; ++i) {
    for (std::size_t j = 0; j < y.count; ++j) {
      if (x.keys[i] == y.keys[j]) return true;
    }
  }
  return false;
}

TEST(CsvField, QuotesOnlyFieldsWithACommaAQuoteOrALineBreak) {
  const auto field = [](std::string_view text) {
    std::string line;
    appendCsvField(line, text);
    return line;
  };
  EXPECT_EQ(field(""), "");
  EXPECT_EQ(field("SmithJohn_1.vcf"), "SmithJohn_1.vcf");
  EXPECT_EQ(field("MüllerZoë_1.vcf"), "MüllerZoë_1.vcf");
  EXPECT_EQ(field("dropped: empty e-mail"), "dropped: empty e-mail");
  EXPECT_EQ(field("Acme, Inc."), "\"Acme, Inc.\"");
  EXPECT_EQ(field("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(field("one\r\ntwo"), "\"one\r\ntwo\"");
  EXPECT_EQ(field("one\ntwo"), "\"one\ntwo\"");
  EXPECT_EQ(field("\""), "\"\"\"\"");
}

TEST(ContactKeys, TheSameEmailAddressInAnyCaseOrPlaceLooksLikeTheSameContact) {
  const ContactValues a = contact({{Field::EmailAddress, "Ann.Lee@Example.org"}});
  EXPECT_TRUE(shareAKey(a, contact({{Field::EmailAddress, "  ann.lee@example.ORG "}})));
  EXPECT_TRUE(shareAKey(a, contact({{Field::EmailAddress3, "ann.lee@example.org"}})));
  EXPECT_FALSE(shareAKey(a, contact({{Field::EmailAddress, "annlee@example.org"}})));
  EXPECT_FALSE(shareAKey(a, contact({{Field::EmailAddress, "ann.lee@example.org.uk"}})));
  // An address is not a name and number, however alike the texts.
  EXPECT_FALSE(shareAKey(
      a, contact({{Field::FullName, "Ann.Lee@Example.org"}, {Field::MobileNumber, "1"}})));
  // Spaces alone are no address.
  EXPECT_EQ(contactKeys(contact({{Field::EmailAddress, "   "}})).count, 0u);
}

// What an address is compared as: ASCII letters in lower case, each run of white space one
// space, none at either end.
std::string folded(std::string_view text) {
  std::string out;
  bool space = false;
  for (const char c : text) {
    if (std::string_view(" \t\r\n\v\f").find(c) != std::string_view::npos) {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return out;
}

TEST(ContactKeys, AddressesAreComparedAlikeWhereverCapitalsAndSpacesFallInTheText) {
  // Capitals, runs of white space and other bytes at every place of a text longer than
  // several words, and either side of it.
  const std::string base = "ann.lee.the.third@example.org";
  std::vector<std::string> texts{base};
  for (std::size_t at = 0; at <= base.size(); ++at) {
    for (const char* insert : {"  ", "\t\n", "\x01", "\xc3\x89", "\xc3\xa9"})
      texts.push_back(base.substr(0, at) + insert + base.substr(at));
    if (at < base.size()) {
      std::string capital = base;
      capital[at] = static_cast<char>(std::toupper(static_cast<unsigned char>(capital[at])));
      texts.push_back(capital);
    }
  }
  for (const std::string& a : texts) {
    for (const std::string& b : texts) {
      EXPECT_EQ(shareAKey(contact({{Field::EmailAddress, a.c_str()}}),
                          contact({{Field::EmailAddress2, b.c_str()}})),
                folded(a) == folded(b))
          << '"' << a << "\" and \"" << b << '"';
    }
  }
}

TEST(ContactKeys, TheSameNameWithTheSameTelephoneNumberLooksLikeTheSameContact) {
  const ContactValues john = contact({{Field::FirstName, "John"},
                                      {Field::LastName, "Smith"},
                                      {Field::MobileNumber, "+49 151 234-567"},
                                      {Field::BusinessTelephoneNumber, "(030) 1234"}});
  EXPECT_TRUE(shareAKey(john, contact({{Field::FirstName, " JOHN "},
                                       {Field::LastName, "smith"},
                                       {Field::HomeTelephoneNumber, "+49151234567"}})));
  EXPECT_TRUE(shareAKey(john, contact({{Field::FirstName, "John"},
                                       {Field::LastName, "Smith"},
                                       {Field::MobileNumber, "030/1234"}})));
  // A number without its "+" is another number; so is the name with first and last swapped.
  EXPECT_FALSE(shareAKey(john, contact({{Field::FirstName, "John"},
                                        {Field::LastName, "Smith"},
                                        {Field::MobileNumber, "49 151 234567"}})));
  EXPECT_FALSE(shareAKey(john, contact({{Field::FirstName, "Smith"},
                                        {Field::LastName, "John"},
                                        {Field::MobileNumber, "+49 151 234567"}})));
  EXPECT_FALSE(shareAKey(john, contact({{Field::FirstName, "Jane"},
                                        {Field::LastName, "Smith"},
                                        {Field::MobileNumber, "+49 151 234567"}})));
  // The fax number is no telephone number, and a name alone proves nothing.
  EXPECT_FALSE(shareAKey(john, contact({{Field::FirstName, "John"},
                                        {Field::LastName, "Smith"},
                                        {Field::BusinessFaxNumber, "(030) 1234"}})));
  EXPECT_EQ(contactKeys(contact({{Field::FirstName, "John"}, {Field::LastName, "Smith"}})).count,
            0u);
  // A number needs a name to go with it.
  EXPECT_EQ(contactKeys(contact({{Field::MobileNumber, "0151 1"}})).count, 0u);
}

TEST(ContactKeys, AFullNameStandsInForFirstAndLastNameWhenBothAreEmpty) {
  const ContactValues full =
      contact({{Field::FullName, "Ana  Lima"}, {Field::MobileNumber, "555 0100"}});
  EXPECT_TRUE(shareAKey(
      full, contact({{Field::FullName, "ana lima"}, {Field::HomeTelephoneNumber, "5550100"}})));
  EXPECT_FALSE(shareAKey(full, contact({{Field::FirstName, "Ana"},
                                        {Field::LastName, "Lima"},
                                        {Field::MobileNumber, "555 0100"}})));
}

TEST(ContactKeys, EqualKeysOfOneRowAreGivenOnce) {
  const ContactKeys keys = contactKeys(contact({{Field::EmailAddress, "a@x"},
                                                {Field::EmailAddress2, "A@X"},
                                                {Field::EmailAddress3, "b@x"},
                                                {Field::FirstName, "A"},
                                                {Field::MobileNumber, "1"},
                                                {Field::HomeTelephoneNumber, "1"},
                                                {Field::BusinessTelephoneNumber, "2"}}));
  EXPECT_EQ(keys.count, 4u);
}

TEST(DuplicateIndex, GivesTheFirstRowOfAKeySeenBeforeAcrossItsGrowth) {
  DuplicateIndex index;
  EXPECT_EQ(index.firstRow(42, 2), 0u);
  EXPECT_EQ(index.firstRow(42, 7), 2u);
  EXPECT_EQ(index.firstRow(42, 9), 2u);
  // Keys alike in their low bits collide in the table and must still be told apart.
  EXPECT_EQ(index.firstRow(42 + (1ULL << 40), 11), 0u);
  EXPECT_EQ(index.firstRow(42 + (1ULL << 40), 12), 11u);
  constexpr std::uint32_t kKeys = 300000;
  for (std::uint32_t i = 0; i < kKeys; ++i) {
    const std::uint64_t key = (i + 1ULL) * 0x9e3779b97f4a7c15ULL;
    ASSERT_EQ(index.firstRow(key, 100 + i), 0u) << i;
  }
  for (std::uint32_t i = 0; i < kKeys; i += 997) {
    const std::uint64_t key = (i + 1ULL) * 0x9e3779b97f4a7c15ULL;
    EXPECT_EQ(index.firstRow(key, 5), 100 + i);
  }
  EXPECT_EQ(index.size(), kKeys + 2);
  EXPECT_EQ(index.firstRow(42, 1000000), 2u);
}

TEST(DuplicateIndex, ATableSizedForItsKeysNeverGrows) {
  constexpr std::uint32_t kKeys = 50000;
  DuplicateIndex index(kKeys);
  const std::size_t slots = index.slots();
  EXPECT_LT(slots, std::size_t{kKeys} * 13 / 10);
  for (std::uint32_t i = 0; i < kKeys; ++i)
    ASSERT_EQ(index.firstRow((i + 7ULL) * 0xff51afd7ed558ccdULL, 2 + i), 0u);
  EXPECT_EQ(index.slots(), slots);
  EXPECT_EQ(index.firstRow(7ULL * 0xff51afd7ed558ccdULL, 3), 2u);
}

RowOutcome outcome(std::uint32_t row, Kind kind, const char* file, const ContactValues& values,
                   const char* reason = "") {
  RowOutcome out;
  out.sheetRow = row;
  out.kind = kind;
  out.file = file;
  out.reason = reason;
  out.values = &values;
  return out;
}

// Whether a row's contact keys were made with its record or are made by the report from its
// values, the report says the same.
class RowReportKeys : public ::testing::TestWithParam<bool> {
 protected:
  // The outcome, with its keys made beforehand when the parameter says so.
  RowOutcome made(RowOutcome outcome) {
    if (GetParam() && outcome.values != nullptr) {
      outcome.keys = &keys_.emplace_back(contactKeys(*outcome.values));
    }
    return outcome;
  }

 private:
  std::deque<ContactKeys> keys_;  // where the outcomes point
};

INSTANTIATE_TEST_SUITE_P(MadeWithTheRecord, RowReportKeys, ::testing::Bool());

TEST_P(RowReportKeys, WritesOneQuotedLineForEachRowWithTheRowsThatLookAlike) {
  const quillmere::test::ScratchFolder folder("report");
  RowReport report(folder / "rows.spool");
  const ContactValues ann = contact(
      {{Field::FirstName, "Ann"}, {Field::LastName, "Lee"}, {Field::EmailAddress, "ann@x.org"}});
  const ContactValues bob = contact(
      {{Field::FirstName, "Bob"}, {Field::LastName, "Ray"}, {Field::MobileNumber, "555 01"}});
  const ContactValues annAgain = contact({{Field::EmailAddress, " ANN@x.org"}});
  const ContactValues dropped = contact({{Field::FirstName, "Ann"}});
  const ContactValues both = contact({{Field::FirstName, "bob"},
                                      {Field::LastName, "RAY"},
                                      {Field::HomeTelephoneNumber, "55501"},
                                      {Field::EmailAddress2, "ann@x.org"}});
  report.add(made(outcome(2, Kind::Written, "LeeAnn_1.vcf", ann)));
  report.add(made(outcome(3, Kind::Failed, "RayBob_2.vcf", bob,
                          "\"/out/RayBob_2.vcf\" could not be created: the disk is full, sorry.")));
  report.add(made(outcome(5, Kind::Written, "Acme, Inc._3.vcf", annAgain)));
  report.add(outcome(6, Kind::DroppedEmptyEmail, "", dropped));
  report.add(made(outcome(9, Kind::Written, "RayBob_4.vcf", both)));
  report.finish();
  EXPECT_EQ(report.rows(), 5);
  EXPECT_EQ(report.problem(), "");

  const fs::path saved = folder / "report.csv";
  report.saveCsv(saved);
  EXPECT_EQ(contents(saved),
            "Row,Outcome,File,Reason,Same Contact As Rows\r\n"
            "2,written,LeeAnn_1.vcf,,\r\n"
            "3,failed,RayBob_2.vcf,\"\"\"/out/RayBob_2.vcf\"\" could not be created: the disk is "
            "full, sorry.\",\r\n"
            "5,written,\"Acme, Inc._3.vcf\",,2\r\n"
            "6,dropped: empty e-mail,,,\r\n"
            "9,written,RayBob_4.vcf,,\"2, 3\"\r\n");
  EXPECT_FALSE(fs::exists(folder / "report.csv.part"));

  // Saving again, over the first file, gives the same bytes.
  const std::string first = contents(saved);
  report.saveCsv(saved);
  EXPECT_EQ(contents(saved), first);
}

// Row by row, the report makes the keys; built ahead, the builders make them with the records.
TEST_P(RowReportKeys, MadeFromARunItAgreesWithTheRunsCounters) {
  const quillmere::test::ScratchFolder folder("report");
  MemorySheet::Rows rows = {{1, {std::string("Name"), std::string("Mail")}}};
  for (std::uint32_t r = 2; r <= 2001; ++r) {
    // Every seventh address is spaces only; every tenth repeats the one of row 2.
    const std::string mail = r % 7 == 0    ? "  "
                             : r % 10 == 0 ? "m2@x"
                                           : "m" + std::to_string(r) + "@x";
    rows[r] = {std::string("N") + std::to_string(r), mail};
  }
  const bool ahead = GetParam();
  const auto sheet =
      ahead ? std::make_unique<test::KeptSheet>(rows) : std::make_unique<MemorySheet>(rows);
  const source::SheetTable table = tableOf(rows, 2001, 2001);
  MemorySink sink;
  sink.failAppends = {5, 6};
  const auto options =
      ahead ? std::make_unique<test::AnsweringOptions>() : std::make_unique<ScriptedOptions>();
  RowReport report(folder / "rows.spool");
  test::ReportingObserver observer(report);
  const ExportReport result = exportContacts(
      *sheet,
      ExportJob{table,
                {test::pairOf(0, Field::FullName), test::pairOf(1, Field::EmailAddress)},
                '.',
                ahead},
      *options, sink, observer);
  EXPECT_EQ(observer.keysMade > 0, ahead);
  report.finish();
  report.saveCsv(folder / "report.csv");

  std::ifstream in(folder / "report.csv", std::ios::binary);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "Row,Outcome,File,Reason,Same Contact As Rows\r");
  int written = 0, dropped = 0, failed = 0, alike = 0, lines = 0;
  while (std::getline(in, line)) {
    ++lines;
    ASSERT_EQ(line.back(), '\r');
    written += line.find(",written,") != std::string::npos;
    dropped += line.find(",dropped: empty e-mail,") != std::string::npos;
    failed += line.find(",failed,") != std::string::npos;
    alike += line.ends_with(",2\r");
  }
  EXPECT_EQ(lines, result.counts.rowsProcessed);
  EXPECT_EQ(written, result.counts.contactCount);
  EXPECT_EQ(dropped, result.counts.emptyEmailCount);
  EXPECT_EQ(failed, result.counts.failedCount);
  EXPECT_EQ(failed, 2);
  // Rows 10, 20, ..., 2000 repeat row 2's address, but not those that are multiples of 7.
  EXPECT_EQ(alike, 200 - 28);
}

TEST(RowReport, ASaveThatFailsSaysWhyAndLeavesAnEarlierFileAsItWas) {
  const quillmere::test::ScratchFolder folder("report");
  const ContactValues ann = contact({{Field::FullName, "Ann"}});
  RowReport report(folder / "rows.spool");
  report.add(outcome(2, Kind::Written, "1.vcf", ann));

  try {
    report.saveCsv(folder / "early.csv");
    FAIL() << "a report was saved before its run had ended";
  } catch (const ReportError& error) {
    EXPECT_NE(std::string(error.what()).find("conversion has ended"), std::string::npos);
  }
  report.finish();

  const fs::path gone = folder / "gone" / "report.csv";
  try {
    report.saveCsv(gone);
    FAIL() << "saved into a folder that does not exist";
  } catch (const ReportError& error) {
    EXPECT_EQ(std::string(error.what()), "The report could not be saved as \"" + gone.string() +
                                             "\": the folder does not exist (any more).");
  }

  // A disk that fills up part-way: the file being written is the full device.
  const fs::path kept = folder / "report.csv";
  writeFile(kept, "an earlier report\r\n");
  fs::path partial = kept;
  partial += RowReport::kPartialSuffix;
  fs::create_symlink("/dev/full", partial);
  try {
    report.saveCsv(kept);
    FAIL() << "saved onto a full disk";
  } catch (const ReportError& error) {
    EXPECT_NE(std::string(error.what()).find(kept.string()), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("the disk is full"), std::string::npos);
  }
  EXPECT_EQ(contents(kept), "an earlier report\r\n");
  EXPECT_FALSE(fs::exists(fs::symlink_status(partial)));

  report.saveCsv(kept);
  EXPECT_EQ(contents(kept),
            "Row,Outcome,File,Reason,Same Contact As Rows\r\n2,written,1.vcf,,\r\n");
}

TEST(RowReport, ASpoolThatCannotBeKeptIsReportedWithoutStoppingTheRun) {
  const quillmere::test::ScratchFolder folder("report");
  const ContactValues ann = contact({{Field::FullName, "Ann"}});
  RowReport report(folder / "missing" / "rows.spool");
  EXPECT_NE(report.problem().find("could not be made"), std::string::npos);
  report.add(outcome(2, Kind::Written, "1.vcf", ann));
  report.finish();
  EXPECT_EQ(report.rows(), 1);
  try {
    report.saveCsv(folder / "report.csv");
    FAIL() << "a report without its rows was saved";
  } catch (const ReportError& error) {
    EXPECT_EQ(std::string(error.what()), report.problem());
  }
  EXPECT_FALSE(fs::exists(folder / "report.csv"));

  // A spool on a full disk fails at its first flush at the latest.
  fs::create_symlink("/dev/full", folder / "full.spool");
  RowReport full(folder / "full.spool");
  for (std::uint32_t row = 2; row < 20000 && full.problem().empty(); ++row)
    full.add(outcome(row, Kind::Written, "1.vcf", ann));
  full.finish();
  EXPECT_NE(full.problem().find("the disk is full"), std::string::npos);
}

}  // namespace
}  // namespace quillmere::core
