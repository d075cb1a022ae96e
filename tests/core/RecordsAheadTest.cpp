#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/ExportRun.h"
#include "source/WorkbookError.h"
#include "tests/core/ExportDoubles.h"
#include "tests/support/MemorySheet.h"

namespace quillmere::core {
namespace {

using test::AnsweringOptions;
using test::KeptSheet;
using test::MemorySheet;
using test::MemorySink;
using test::pairOf;
using test::RecordingObserver;
using test::ScriptedOptions;
using test::tableOf;

// Style 2 shows a number with five digits, zeros in front.
source::CellFormats zeroPaddedFormats() {
  return source::CellFormats({0, 0, 164}, {{164, "00000"}}, false);
}

MemorySheet formattedSheet(const MemorySheet::Rows& rows) {
  MemorySheet sheet(rows);
  sheet.setCellFormats(zeroPaddedFormats());
  return sheet;
}

// Records built ahead on a second thread are the very ones built row by row, whatever the
// user changes during the run and whenever: each change applies from the next row.
TEST(ExportRun, RecordsBuiltAheadAreTheOnesBuiltRowByRow) {
  MemorySheet::Rows rows = {
      {1, {std::string("First"), std::string("Last"), std::string("Mail"), std::string("Phone")}}};
  // Past four batches, so the ring of batches is used again.
  constexpr std::uint32_t kLastRow = 1300;
  for (std::uint32_t r = 2; r <= kLastRow; ++r) {
    const std::string n = std::to_string(r);
    // Every ninth address is spaces only; phones are numbers shown with a leading zero.
    rows[r] = {"Ann" + n, "Lee", r % 9 == 0 ? std::string("  ") : "ann" + n + "@x.org",
               MemorySheet::Styled{1000.0 + r, 2}};
  }
  const std::vector<ColumnPair> columns = {pairOf(0, Field::FirstName), pairOf(1, Field::LastName),
                                           pairOf(2, Field::EmailAddress),
                                           pairOf(3, Field::BusinessTelephoneNumber)};
  struct Change {
    int afterRow;  // rows done when the user changes it
    std::function<void(ScriptedOptions&)> change;
  };
  const std::vector<std::pair<const char*, std::vector<Change>>> cases = {
      {"nothing changes", {}},
      {"the version, mid-batch",
       {{100, [](ScriptedOptions& o) { o.version = VCardVersion::V21; }},
        {101, [](ScriptedOptions& o) { o.version = VCardVersion::V40; }}}},
      {"one file, and empty e-mails kept",
       {{64, [](ScriptedOptions& o) { o.single = true; }},
        {300, [](ScriptedOptions& o) { o.allowEmpty = true; }}}},
      {"numbers as shown, then back",
       {{5, [](ScriptedOptions& o) { o.asShown = true; }},
        {200, [](ScriptedOptions& o) { o.asShown = false; }}}},
  };
  std::vector<Change> everyRow;  // more changes than a run builds ahead for
  for (int row = 1; row < 40; ++row)
    everyRow.push_back({row, [row](ScriptedOptions& o) { o.single = row % 2 == 0; }});

  auto runWith = [&](auto sheet, ScriptedOptions& options, const std::vector<Change>& changes) {
    const source::SheetTable table = tableOf(rows, kLastRow - 1, kLastRow);
    MemorySink sink;
    RecordingObserver observer;
    observer.onRow = [&](int done) {
      for (const Change& change : changes)
        if (change.afterRow == done) change.change(options);
    };
    const ExportReport report =
        exportContacts(sheet, ExportJob{table, columns, '.'}, options, sink, observer);
    EXPECT_TRUE(report.readFailure.empty()) << report.readFailure;
    std::string outcomes;
    for (std::size_t i = 0; i < observer.outcomes.size(); ++i) {
      const RowOutcome& outcome = observer.outcomes[i];
      outcomes += std::to_string(outcome.sheetRow) + " " + std::to_string(int(outcome.kind)) + " " +
                  outcome.file + " " + observer.values[i][Field::BusinessTelephoneNumber] + "\n";
    }
    return std::make_pair(outcomes, sink.files);
  };
  for (const auto& [name, changes] : cases) {
    ScriptedOptions rowByRow;
    AnsweringOptions ahead;
    const auto expected = runWith(formattedSheet(rows), rowByRow, changes);
    EXPECT_EQ(runWith(KeptSheet(rows, zeroPaddedFormats), ahead, changes), expected) << name;
  }
  ScriptedOptions rowByRow;
  AnsweringOptions ahead;
  EXPECT_EQ(runWith(KeptSheet(rows, zeroPaddedFormats), ahead, everyRow),
            runWith(formattedSheet(rows), rowByRow, everyRow));
}

// A file's rows, read once as they come; it breaks when it reaches row `breakAt`. A
// workbook's rows are read ahead on a thread of their own.
class FileSheet : public MemorySheet {
 public:
  FileSheet(const Rows& rows, std::uint32_t breakAt, bool readsAhead)
      : MemorySheet(rows), breakAt_(breakAt), readsAhead_(readsAhead) {
    setCellFormats(zeroPaddedFormats());
  }
  bool nextRow() override {
    const bool more = MemorySheet::nextRow();
    if (more && rowNumber() == breakAt_) {
      throw source::WorkbookError(source::WorkbookError::Kind::Corrupt, "/data/contacts.csv",
                                  "is damaged: it ends in the middle of row 500.");
    }
    return more;
  }
  bool readsAhead() const override { return readsAhead_; }

 private:
  std::uint32_t breakAt_;
  bool readsAhead_;
};

// The same answers, asked row by row at each moment of use, as the window's are.
class AskedRowByRow : public FixedAnswers {
 public:
  using FixedAnswers::FixedAnswers;
  std::optional<OptionAnswers> answers() override { return std::nullopt; }
  bool answersFixed() const override { return false; }
};

// With answers that never change, as a command's, two threads take turns reading a file's
// rows and build the records apart; the run must come out exactly as it does row by row.
TEST(ExportRun, RecordsBuiltInTurnFromAFileAreTheOnesBuiltRowByRow) {
  MemorySheet::Rows rows = {
      {1,
       {std::string("First"), std::string("Last"), std::string("Mail"), std::string("Phone"),
        std::string("Birthday"), std::string("Office phone")}}};
  for (std::uint32_t r = 2; r <= 1300; ++r) {
    const std::string n = std::to_string(r);
    const std::string mail = r % 13 == 0  ? "a" + n + "@x.org ::: b" + n + "@x.org"
                             : r % 9 == 0 ? std::string("  ")
                                          : "ann" + n + "@x.org";
    const std::string birthday = r % 5 == 0 ? "1985-03-13" : r % 6 == 0 ? "soon" : "";
    // A later column mapped to the same phone field: a London number, or none, or nothing.
    const std::string office = r % 7 == 0    ? "020 7946 0" + std::to_string(100 + r % 900)
                               : r % 11 == 0 ? std::string("no phone")
                                             : "";
    rows[r] = {"Ann" + n, "Lee", mail, MemorySheet::Styled{1000.0 + r, 2}, birthday, office};
  }
  rows[50].emplace_back(std::in_place_type<std::string>, "a cell right of the headers");
  // Read past only when the rows were not counted first.
  rows[1320].emplace_back(std::in_place_type<std::string>, "a row after the empty ones");
  const std::vector<ColumnPair> columns = {
      pairOf(0, Field::FirstName),    pairOf(1, Field::LastName),
      pairOf(2, Field::EmailAddress), pairOf(3, Field::BusinessTelephoneNumber),
      pairOf(4, Field::Birthday),     pairOf(5, Field::BusinessTelephoneNumber)};
  struct Case {
    const char* name;
    bool counted;
    std::uint32_t breakAt;  // 0: never
    int stopAfter;          // rows done when the user stops; -1: never
    bool readsAhead;
    OptionAnswers answers;
  };
  const OptionAnswers phones = {VCardVersion::V30, true, false, false, true, "GB"};
  const std::vector<Case> cases = {
      {"separate files", true, 0, -1, false, {VCardVersion::V30, false, false, false, false, ""}},
      {"one 2.1 file, numbers as shown",
       true,
       0,
       -1,
       false,
       {VCardVersion::V21, true, false, true, false, ""}},
      {"rows found as the run goes",
       false,
       0,
       -1,
       false,
       {VCardVersion::V40, true, true, false, false, ""}},
      {"the file breaks at row 500",
       false,
       500,
       -1,
       false,
       {VCardVersion::V30, true, false, false, false, ""}},
      {"the file breaks at its first row",
       true,
       2,
       -1,
       false,
       {VCardVersion::V30, true, false, false, false, ""}},
      {"stopped after 300 rows",
       true,
       0,
       300,
       false,
       {VCardVersion::V30, false, false, false, false, ""}},
      {"phones in international form, with More Fields", true, 0, -1, false, phones},
      {"the same from a workbook read ahead", true, 0, -1, true, phones},
      {"the same, and it breaks at row 500", false, 500, -1, true, phones},
  };
  auto runWith = [&](const Case& c, ExportOptions& options) {
    source::SheetTable table = tableOf(rows, 1299, 1300);
    table.rowsCounted = c.counted;
    FileSheet sheet(rows, c.breakAt, c.readsAhead);
    MemorySink sink;
    RecordingObserver observer;
    observer.stopAfter = c.stopAfter;
    const ExportReport report =
        exportContacts(sheet, ExportJob{table, columns, '.'}, options, sink, observer);
    std::string seen = "read failure: " + report.readFailure +
                       "\nstopped: " + std::to_string(report.stopped) +
                       "\nprocessed: " + std::to_string(report.counts.rowsProcessed) + " of " +
                       std::to_string(report.counts.dataRows) +
                       ", written: " + std::to_string(report.counts.contactCount) +
                       ", dropped: " + std::to_string(report.counts.emptyEmailCount) +
                       "\nskipped: " + std::to_string(report.skipped.columnsPastHeaders.size()) +
                       " columns, " + std::to_string(report.skipped.rowsAfterEnd) + " rows\n";
    for (std::size_t i = 0; i < observer.outcomes.size(); ++i) {
      const ContactValues& values = observer.values[i];
      seen += std::to_string(observer.outcomes[i].sheetRow) + " " + observer.outcomes[i].file +
              " " + values[Field::BusinessTelephoneNumber] + " " + values[Field::EmailAddress2] +
              " " + std::to_string(values.leftOut().size()) + "\n";
      for (const ValueNote& note : values.notes())
        seen += noteText(note) + "\n";
    }
    for (const auto& [file, text] : sink.files)
      seen += file + "\n" + text;
    return seen;
  };
  for (const Case& c : cases) {
    AskedRowByRow rowByRow(c.answers);
    FixedAnswers inTurn(c.answers);
    EXPECT_EQ(runWith(c, inTurn), runWith(c, rowByRow)) << c.name;
  }
}

}  // namespace
}  // namespace quillmere::core
