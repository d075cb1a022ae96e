#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/CardDigest.h"
#include "core/ContactUid.h"
#include "core/ExportRun.h"
#include "core/VCardQuickRead.h"
#include "core/VCardReader.h"
#include "core/VCardRecord.h"
#include "source/WorkbookError.h"
#include "tests/core/ExportDoubles.h"
#include "tests/support/MemorySheet.h"
#include "tests/support/RefusedThreads.h"

namespace quillmere::core {
namespace {

using enum Field;

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

ContactValues awkwardContact() {
  ContactValues v;
  v[Title] = "Dr.";
  v[FirstName] = "John";
  v[LastName] = "Smith, Jr.";
  v[Company] = "Acme; Inc";
  v[BusinessTelephoneNumber] = "+49 30 1234";
  v[HomeFaxNumber] = "030 999";
  v[MobileNumber] = "0151 2345678";
  v[HomeAddress] = "Hauptstr. 1\n10115 Berlin";
  v[BusinessAddressStreet] = "1 Main St";
  v[BusinessAddressCity] = "Köln";
  v[BusinessAddress] = "1 Main St, Köln";
  v[BusinessHomePage] = "https://example.com/search?q=a,b;c";
  v[EmailAddress] = "john@example.org";
  v[EmailAddress2] = "j.smith@example.org";
  v[Notes] =
      "Met at the fair, booth 5; a long note that runs on past the seventy-five octets a line "
      "may hold, with ümlauts";
  return v;
}

// Kinds as each version spells them, the honorific as N's prefix, the home fax, a whole
// address as the street where the row has none and as the formatted address where it has one,
// a URL left as it is, lines folded as each version folds them, and a UID.
TEST(DestinationForms, EachVersionWritesTheStandardLinesItDefines) {
  const std::string uid = "UID:16c8ae82-b0fa-8f13-8de5-1b5a7ac9a612";
  const struct {
    VCardVersion version;
    std::vector<std::string> lines;
  } cases[] = {
      {VCardVersion::V21,
       {"BEGIN:VCARD",
        "VERSION:2.1",
        "N:Smith, Jr.;John;;Dr.;",
        "FN:John Smith, Jr.",
        "ORG:Acme\\; Inc;",
        "TEL;WORK;VOICE:+49 30 1234",
        "TEL;CELL;VOICE:0151 2345678",
        "TEL;HOME;FAX:030 999",
        "ADR;WORK;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;1 Main St;K=C3=B6ln;;;",
        "LABEL;WORK;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:1 Main St, K=C3=B6ln",
        "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Hauptstr. 1=0D=0A10115 B=",
        "erlin;;;;",
        "URL:https://example.com/search?q=a,b;c",
        "EMAIL;PREF;INTERNET:john@example.org",
        "EMAIL;INTERNET:j.smith@example.org",
        "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Met at the fair, booth 5; a lo=",
        "ng note that runs on past the seventy-five octets a line may hold, with =C3=",
        "=BCmlauts",
        uid,
        "END:VCARD"}},
      {VCardVersion::V30,
       {"BEGIN:VCARD", "VERSION:3.0", "N:Smith\\, Jr.;John;;Dr.;", "FN:John Smith\\, Jr.",
        "ORG:Acme\\; Inc;", "TEL;TYPE=WORK,VOICE:+49 30 1234", "TEL;TYPE=CELL,VOICE:0151 2345678",
        "TEL;TYPE=HOME,FAX:030 999", "ADR;TYPE=WORK:;;1 Main St;Köln;;;",
        "LABEL;TYPE=WORK:1 Main St\\, Köln", "ADR;TYPE=HOME:;;Hauptstr. 1\\n10115 Berlin;;;;",
        "URL:https://example.com/search?q=a,b;c", "EMAIL;TYPE=PREF,INTERNET:john@example.org",
        "EMAIL;TYPE=INTERNET:j.smith@example.org",
        "NOTE:Met at the fair\\, booth 5\\; a long note that runs on past the seventy-",
        " five octets a line may hold\\, with ümlauts", uid, "END:VCARD"}},
      {VCardVersion::V40,
       {"BEGIN:VCARD", "VERSION:4.0", "N:Smith\\, Jr.;John;;Dr.;", "FN:John Smith\\, Jr.",
        "ORG:Acme\\; Inc;", "TEL;TYPE=work,voice:+49 30 1234", "TEL;TYPE=cell,voice:0151 2345678",
        "TEL;TYPE=home,fax:030 999", "ADR;TYPE=work;LABEL=\"1 Main St, Köln\":;;1 Main St;Köln;;;",
        "ADR;TYPE=home:;;Hauptstr. 1\\n10115 Berlin;;;;", "URL:https://example.com/search?q=a,b;c",
        "EMAIL;TYPE=internet;PREF=1:john@example.org", "EMAIL;TYPE=internet:j.smith@example.org",
        "NOTE:Met at the fair\\, booth 5\\; a long note that runs on past the seventy-",
        " five octets a line may hold\\, with ümlauts", uid, "END:VCARD"}},
  };
  for (const auto& c : cases) {
    const std::string record = buildRecord(awkwardContact(), RecordForm{c.version, true});
    EXPECT_EQ(record, joined(c.lines)) << c.version;
    // Every line keeps within 75 octets but for quoted-printable's soft break.
    for (const std::string& line : c.lines)
      EXPECT_LE(line.size(), 76u) << c.version << ": " << line;
  }
}

// A card without a name still has N and an FN that says who it is.
TEST(DestinationForms, TheDisplayNameIsNeverEmptyWhereTheRowNamesTheContactAtAll) {
  const struct {
    Field field;
    const char* value;
  } cases[] = {
      {Company, "Acme"}, {EmailAddress, "a@x.org"}, {MobileNumber, "0151 1"}, {MiddleName, "Lee"}};
  for (const auto& c : cases) {
    ContactValues values;
    values[c.field] = c.value;
    const std::string record = buildRecord(values, RecordForm{VCardVersion::V30, true});
    EXPECT_NE(record.find("\r\nN:;;"), std::string::npos) << record;
    EXPECT_NE(record.find("\r\nFN:" + std::string(c.value) + "\r\n"), std::string::npos) << record;
  }
}

// What changes a card's UID: only the names (the company without them) and the first e-mail
// (the first phone without one), never case, spacing or the other fields.
TEST(ContactUid, FollowsTheFieldsPeopleRarelyChange) {
  ContactValues base;
  base[FirstName] = "Ann";
  base[LastName] = "Lee";
  base[EmailAddress] = "ann@example.org";
  base[MobileNumber] = "0151 1";
  const ContactUid uid = contactUid(base);
  const struct {
    const char* change;
    Field field;
    const char* value;
    bool same;
  } cases[] = {{"another phone", MobileNumber, "0160 9", true},
               {"a note", Notes, "moved", true},
               {"capitals and spaces", LastName, "  LEE ", true},
               {"another e-mail", EmailAddress, "ann.lee@example.org", false},
               {"another name", FirstName, "Anne", false},
               {"a middle name", MiddleName, "B.", false}};
  for (const auto& c : cases) {
    ContactValues changed = base;
    changed[c.field] = c.value;
    EXPECT_EQ(contactUid(changed) == uid, c.same) << c.change;
  }
  ContactValues company;
  company[Company] = "Acme";
  company[MobileNumber] = "1";
  ContactValues otherPhone = company;
  otherPhone[MobileNumber] = "2";
  EXPECT_NE(contactUid(company), contactUid(otherPhone)) << "no e-mail: the phone counts";
  std::string text;
  appendUidText(text, uid);
  EXPECT_EQ(uidFromText(text), uid);
  EXPECT_EQ(text.size(), kUidTextSize);
  EXPECT_EQ(text[14], '8');
}

// The quick pass of the read-back gives what the writer expects for cards of every form, so
// only a card that differs is read again property by property; and a changed value changes it.
// The digest made from the values without writing is the writer's, the second time from the
// heads it kept and with the UID the writer made; another UID gives another.
TEST(VCardReader, TheQuickPassAgreesWithTheWriterInEveryForm) {
  ContactValues values = awkwardContact();
  values[Categories] = "Friends, old ::: Work; Sales";
  values[PersonalHomePage] = "http://ann.example/~a,b";
  values[Nickname] = "Annie, the 2nd; ok";
  values[Birthday] = "1985-03-13";
  for (const VCardVersion version : {VCardVersion::V21, VCardVersion::V30, VCardVersion::V40}) {
    for (const RecordForm form :
         {RecordForm{version, false}, RecordForm{version, true}, RecordForm{version, true, true}}) {
      CardDigest expected;
      std::string record;
      appendRecord(record, values, form, &expected);
      EXPECT_EQ(quickCardDigest(record, version), expected.value())
          << version << (form.standard ? " standard" : "") << "\n"
          << record;
      const ContactUid uid = contactUid(values);
      CardDigest alone;
      for (const ContactUid* given : {static_cast<const ContactUid*>(nullptr), &uid}) {
        alone.clear();
        expectRecord(values, form, alone, given);
        EXPECT_EQ(alone.value(), expected.value()) << version << (given ? " uid given" : "");
      }
      if (form.standard) {
        const ContactUid another = distinctUid(uid, 2);
        alone.clear();
        expectRecord(values, form, alone, &another);
        EXPECT_NE(alone.value(), expected.value()) << version;
      }
      const std::size_t at = record.find("john@");
      ASSERT_NE(at, std::string::npos);
      record[at] = 'X';
      EXPECT_NE(quickCardDigest(record, version), expected.value()) << version;
      // A kind changed in a head the pass has just read at that line.
      record[at] = 'j';
      const std::size_t kind = record.find(':', record.find("\r\nTEL;")) - 1;
      record[kind] = 'X';
      EXPECT_NE(quickCardDigest(record, version), expected.value()) << version << "\n" << record;
    }
  }
}

// A value digested in runs, as the quick pass gives it between escapes, digests as the whole
// text would, CR LF and lone CR as LF; a value that differs does not.
TEST(CardDigest, AValueInRunsDigestsAsTheWholeText) {
  const auto digestOf = [](std::initializer_list<std::string_view> runs) {
    CardDigest digest;
    digest.property("NOTE");
    digest.beginComponent();
    for (const std::string_view run : runs)
      digest.bytes(run);
    digest.endComponent();
    digest.endProperty();
    return digest.value();
  };
  const auto whole = [](std::string_view text) {
    CardDigest digest;
    digest.property("NOTE");
    digest.component(text);
    digest.endProperty();
    return digest.value();
  };
  EXPECT_EQ(digestOf({"ab", "cd"}), whole("abcd"));
  EXPECT_EQ(digestOf({"", "abcd", ""}), whole("abcd"));
  EXPECT_EQ(digestOf({"a\r", "\nb"}), whole("a\nb"));
  EXPECT_EQ(digestOf({"a\r\nb\rc"}), whole("a\nb\nc"));
  EXPECT_EQ(digestOf({"a", "\r\nb"}), whole("a\r\nb"));
  EXPECT_NE(digestOf({"ab", "c"}), whole("abd"));
  // A line break anywhere in a value of any length, as it is looked for a word at a time.
  for (std::size_t size = 1; size <= 20; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      std::string written(size, 'x');
      std::string read = written;
      written[at] = '\r';
      read[at] = '\n';
      EXPECT_EQ(whole(written), whole(read)) << size << " " << at;
    }
  }
}

TEST(VCardReader, RefusesTextItsVersionDoesNotDefineAndNamesTheLine) {
  const struct {
    const char* text;
    const char* problem;
  } cases[] = {
      {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\\qb\r\nEND:VCARD\r\n", "line 3 holds the escape \\q"},
      {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a;b\r\nEND:VCARD\r\n", "line 3 holds a \";\""},
      {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\n", "line 1 begins a card that has no END"},
      {"BEGIN:VCARD\r\nVERSION:2.1\r\nNOTE;ENCODING=QUOTED-PRINTABLE:a=Zb\r\nEND:VCARD",
       "line 3 holds a broken quoted-printable"},
      {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\nb\r\nEND:VCARD", "line 3 holds a line break"},
      {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\xff\r\nEND:VCARD", "line 3 holds text that is not UTF-8"},
      {"BEGIN:VCARD\r\nVERSION:5.0\r\nEND:VCARD", "line 2 names version 5.0"},
      {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN\r\nEND:VCARD", "line 3 has no \":\""},
  };
  for (const auto& c : cases) {
    VCardReader reader(c.text);
    ReadCard card;
    try {
      reader.next(card);
      ADD_FAILURE() << "read: " << c.text;
    } catch (const VCardReadError& error) {
      EXPECT_NE(std::string(error.what()).find(c.problem), std::string::npos)
          << error.what() << " for " << c.text;
    }
  }
}

struct RunFixture {
  test::MemorySheet::Rows rows;
  test::KeptSheet sheet;
  source::SheetTable table;
  test::MemorySink sink;
  test::AnsweringOptions options;
  test::RecordingObserver observer;

  explicit RunFixture(test::MemorySheet::Rows given)
      : rows(std::move(given)),
        sheet(rows),
        table(test::tableOf(rows, static_cast<std::int32_t>(rows.size()),
                            static_cast<std::uint32_t>(rows.size()))) {}

  ExportReport run(std::function<void(std::string&)> alter = {}) {
    ExportJob job{table,
                  {test::pairOf(0, FirstName), test::pairOf(1, LastName),
                   test::pairOf(2, EmailAddress), test::pairOf(3, Notes)},
                  '.'};
    job.alterRecord = std::move(alter);
    return exportContacts(sheet, job, options, sink, observer);
  }
};

test::MemorySheet::Rows fiveRows() {
  using S = std::string;
  return {{1, {S("First"), S("Last"), S("Mail"), S("Note")}},
          {2, {S("Ann"), S("Lee"), S("ann@x.org"), S("C:\\temp")}},
          {3, {S("ANN"), S(" Lee"), S("ann@x.org"), S("again")}},
          {4, {S("Bob"), S("Ray"), S("bob@x.org"), S(std::string(300 * 1024, 'n'))}},
          {5, {S("Cy"), S("Day"), S("cy@x.org"), S("c")}}};
}

// A destination's limits and forms over a whole run: the iCloud card too large is refused
// with its size, files are split where the user says, a UID the same contact would share is
// made distinct and the report says so, and Outlook gets one card per file.
TEST(DestinationRun, KeepsEachDestinationsLimitsAndGivesEveryCardItsOwnUid) {
  RunFixture icloud(fiveRows());
  icloud.options.destinationChoice = Destination::ICloud;
  icloud.options.single = true;
  icloud.options.perFileLimit = 2;
  const ExportReport report = icloud.run();
  EXPECT_EQ(report.counts.contactCount, 3);
  EXPECT_EQ(report.counts.failedCount, 1);
  EXPECT_EQ(icloud.observer.outcomes.at(2).kind, RowOutcome::Kind::Failed);
  EXPECT_NE(
      icloud.observer.outcomes.at(2).reason.find("The card is 313 KB, more than the 256 KB iPhone"),
      std::string::npos)
      << icloud.observer.outcomes.at(2).reason;
  EXPECT_EQ(icloud.sink.order, (std::vector<std::string>{"All Contacts 1.vcf", "All Contacts 1.vcf",
                                                         "All Contacts 2.vcf"}));
  const std::string& first = icloud.sink.records.at(0);
  const std::string& second = icloud.sink.records.at(1);
  const std::string uidOf = first.substr(uidValueAt(first), kUidTextSize);
  EXPECT_NE(uidOf, second.substr(uidValueAt(second), kUidTextSize));
  EXPECT_NE(icloud.observer.outcomes.at(1).reason.find("given a UID of its own"),
            std::string::npos);
  EXPECT_TRUE(report.everyContactWritten() == false);

  // The same sheet converted again gives every contact the same UID.
  RunFixture again(fiveRows());
  again.options.destinationChoice = Destination::ICloud;
  again.options.single = true;
  again.run();
  EXPECT_EQ(again.sink.records, icloud.sink.records);

  RunFixture outlook(fiveRows());
  outlook.options.destinationChoice = Destination::Outlook;
  outlook.options.version = VCardVersion::V21;
  outlook.run();
  EXPECT_EQ(outlook.sink.files.size(), 4u);
  EXPECT_NE(outlook.sink.records.at(0).find("\r\nNOTE:C:\\temp\r\n"), std::string::npos);
}

// A writer at fault is caught by reading each card back: the rows whose cards differ are
// reported as written but reading back otherwise, and the run does not count as a success.
TEST(DestinationRun, ReportsEveryRowWhoseCardReadsBackDifferently) {
  for (const Destination destination : {Destination::AnyApp, Destination::CardDav}) {
    for (const VCardVersion version : {VCardVersion::V21, VCardVersion::V30, VCardVersion::V40}) {
      RunFixture f(fiveRows());
      f.options.destinationChoice = destination;
      f.options.version = version;
      // Drops the escape of a backslash, and changes a note's case.
      const ExportReport report = f.run([](std::string& record) {
        const std::size_t at = record.find("C:\\\\temp");
        if (at != std::string::npos) record.erase(at + 2, 1);
        const std::size_t lower = record.find("NOTE:again");
        if (lower != std::string::npos) record.replace(lower + 5, 5, "AGAIN");
      });
      const bool escapes = version != VCardVersion::V21;
      EXPECT_EQ(report.counts.readBackCount, escapes ? 2 : 1) << version;
      EXPECT_EQ(report.counts.contactCount, 4) << version;
      EXPECT_FALSE(report.everyContactWritten()) << version;
      EXPECT_EQ(f.observer.outcomes.at(0).readsBackDifferently, escapes) << version;
      EXPECT_TRUE(f.observer.outcomes.at(1).readsBackDifferently) << version;
      EXPECT_NE(f.observer.outcomes.at(1).reason.find("reads back as NOTE \"AGAIN\" where the row "
                                                      "gives NOTE \"again\""),
                std::string::npos)
          << f.observer.outcomes.at(1).reason;
      EXPECT_FALSE(f.observer.outcomes.at(3).readsBackDifferently) << version;
    }
  }
}

// Rows parsed ahead whose row `breakAt` fails after its first cell, as a damaged part's would.
class BreakingReadAhead : public test::ReadAheadSheet {
 public:
  BreakingReadAhead(const Rows& rows, std::uint32_t breakAt)
      : ReadAheadSheet(rows), breakAt_(breakAt) {}
  source::CellValue cell(std::size_t column) const override {
    if (column > 0 && rowNumber() == breakAt_) {
      throw source::WorkbookError(source::WorkbookError::Kind::Corrupt, "/data/contacts.xlsx",
                                  "is damaged: row 500 ends early.");
    }
    return ReadAheadSheet::cell(column);
  }

 private:
  std::uint32_t breakAt_;
};

// Every way a run builds its records reads each card back and reports the rows that differ,
// in sheet order, across batches: built ahead over kept rows, built here and read back on
// another thread over a workbook read ahead (or here, where the system refuses that thread),
// and built in turn over a file read once; a run stopped midway writes no row past the stop,
// and one whose workbook breaks midway every row before the broken one and not that one.
TEST(DestinationRun, ReadsBackEveryRowHoweverTheRecordsAreBuilt) {
  using S = std::string;
  test::MemorySheet::Rows rows{{1, {S("First"), S("Last"), S("Mail"), S("Note")}}};
  const std::set<std::uint32_t> altered{2, 258, 514, 601};
  for (std::uint32_t row = 2; row <= 601; ++row) {
    rows[row] = {S("N") + std::to_string(row), S("L"), S("m@x.org"),
                 S(altered.count(row) > 0 ? "again" : "note")};
  }
  const auto alter = [](std::string& record) {
    const std::size_t at = record.find("NOTE:again");
    if (at != std::string::npos) record.replace(at + 5, 5, "AGAIN");
  };
  const source::SheetTable table = test::tableOf(rows, 600, 601);
  ExportJob job{table,
                {test::pairOf(0, FirstName), test::pairOf(1, LastName),
                 test::pairOf(2, EmailAddress), test::pairOf(3, Notes)},
                '.'};
  job.alterRecord = alter;
  struct Ending {
    int stopAfter;          // -1: never
    std::uint32_t breakAt;  // 0: never
  };
  for (const Ending ending : {Ending{-1, 0}, Ending{300, 0}, Ending{-1, 500}}) {
    test::KeptSheet kept(rows);
    BreakingReadAhead readAhead(rows, ending.breakAt);
    BreakingReadAhead refusedAhead(rows, ending.breakAt);
    test::MemorySheet readOnce(rows);
    test::AnsweringOptions answering;
    test::FixedAnsweringOptions fixed;
    struct Way {
      source::SheetReader* sheet;
      ExportOptions* options;
      int threadsGiven;  // -1: every thread asked for
    };
    std::vector<Way> ways{{&readAhead, &fixed, -1}, {&refusedAhead, &fixed, 0}};
    if (ending.breakAt == 0) {
      ways.push_back({&kept, &answering, -1});
      ways.push_back({&readOnce, &fixed, -1});
    }
    for (std::size_t way = 0; way < ways.size(); ++way) {
      test::MemorySink sink;
      test::RecordingObserver observer;
      observer.stopAfter = ending.stopAfter;
      std::optional<test::RefusedThreads> refused;
      if (ways[way].threadsGiven >= 0) refused.emplace(ways[way].threadsGiven);
      const ExportReport report =
          exportContacts(*ways[way].sheet, job, *ways[way].options, sink, observer);
      refused.reset();
      const std::size_t written = ending.stopAfter >= 0 ? 300
                                  : ending.breakAt > 0  ? ending.breakAt - 2
                                                        : 600;
      ASSERT_EQ(observer.outcomes.size(), written) << way;
      EXPECT_EQ(sink.records.size(), written) << way;
      EXPECT_EQ(report.stopped, ending.stopAfter >= 0) << way;
      EXPECT_EQ(report.readFailure.empty(), ending.breakAt == 0) << way;
      std::set<std::uint32_t> differing;
      for (std::size_t i = 0; i < written; ++i) {
        EXPECT_EQ(observer.outcomes[i].sheetRow, i + 2) << way;
        if (observer.outcomes[i].readsBackDifferently)
          differing.insert(observer.outcomes[i].sheetRow);
      }
      std::set<std::uint32_t> expected;
      for (const std::uint32_t row : altered)
        if (row < written + 2) expected.insert(row);
      EXPECT_EQ(differing, expected) << way;
      EXPECT_EQ(report.counts.readBackCount, static_cast<std::int32_t>(expected.size())) << way;
    }
  }
}

}  // namespace
}  // namespace quillmere::core
