#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ExportRun.h"
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

// Style 2 shows a number with five digits, zeros in front.
source::CellFormats zeroPaddedFormats() {
  return source::CellFormats({0, 0, 164}, {{164, "00000"}}, false);
}

// Rows that never change, as kept rows are: a run may build their records on a second cursor.
class KeptSheet : public MemorySheet {
 public:
  explicit KeptSheet(const Rows& rows) : MemorySheet(rows), rows_(rows) {
    setCellFormats(zeroPaddedFormats());
  }
  std::unique_ptr<source::SheetReader> anotherCursor() const override {
    return std::make_unique<KeptSheet>(rows_);
  }

 private:
  Rows rows_;
};

MemorySheet formattedSheet(const MemorySheet::Rows& rows) {
  MemorySheet sheet(rows);
  sheet.setCellFormats(zeroPaddedFormats());
  return sheet;
}

// Options that can give all their answers at once, as the window's can.
class AnsweringOptions : public ScriptedOptions {
 public:
  std::optional<OptionAnswers> answers() override {
    return OptionAnswers{version, single, allowEmpty, asShown, false, ""};
  }
};

// Records built ahead on a second thread are the very ones built row by row, whatever the
// user changes during the run and whenever: each change applies from the next row.
TEST(ExportRun, RecordsBuiltAheadAreTheOnesBuiltRowByRow) {
  MemorySheet::Rows rows = {
      {1, {std::string("First"), std::string("Last"), std::string("Mail"), std::string("Phone")}}};
  constexpr std::uint32_t kLastRow = 700;
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
       {{100, [](ScriptedOptions& o) { o.version = "2.1"; }},
        {101, [](ScriptedOptions& o) { o.version = "4.0"; }}}},
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
    EXPECT_EQ(runWith(KeptSheet(rows), ahead, changes), expected) << name;
  }
  ScriptedOptions rowByRow;
  AnsweringOptions ahead;
  EXPECT_EQ(runWith(KeptSheet(rows), ahead, everyRow),
            runWith(formattedSheet(rows), rowByRow, everyRow));
}

}  // namespace
}  // namespace quillmere::core
