#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/ExportRun.h"
#include "core/RecordPreview.h"
#include "core/RowReport.h"
#include "tests/core/ExportDoubles.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::core {
namespace {

using test::MemorySheet;
using test::pairOf;
using enum Field;

// Cells the way Google Contacts writes several values of one kind, one row a case: what
// the card's e-mail and telephone lines hold, and what the report names as left out.
struct Case {
  std::vector<std::string> cells;  // E-mail 1, E-mail 2, Mobile, Home phone, Work fax
  std::vector<std::string> lines;
  std::string leftOut;
};

TEST(SeveralValues, TheFirstValueKeepsItsFieldTheNextFillFreeFieldsOfItsKindTheRestAreReported) {
  const std::vector<Case> cases{
      {{"a@x ::: b@x", "", "", "", ""}, {"EMAIL;PREF;INTERNET:a@x", "EMAIL;INTERNET:b@x"}, ""},
      {{"f@x ::: h@x ::: c@x ::: d@x", "e@x", "", "", ""},
       {"EMAIL;PREF;INTERNET:f@x", "EMAIL;INTERNET:e@x", "EMAIL;INTERNET:h@x"},
       "left out, no free field of its kind: EmailAddress \"\"c@x\"\"; EmailAddress \"\"d@x\"\""},
      {{"", "", "111 ::: 222 ::: 333", "444", "555 ::: 666"},
       {"TEL;WORK;VOICE:222", "TEL;HOME;VOICE:444", "TEL;CELL;VOICE:111", "TEL;WORK;FAX:555"},
       "left out, no free field of its kind: MobileNumber \"\"333\"\"; BusinessFaxNumber "
       "\"\"666\"\""},
      {{" ::: g@x ::: ", "", "", "", ""}, {"EMAIL;PREF;INTERNET:g@x"}, ""},
  };
  MemorySheet::Rows rows{{1,
                          {std::string("E1"), std::string("E2"), std::string("M"), std::string("H"),
                           std::string("F")}}};
  for (std::uint32_t r = 0; r < cases.size(); ++r)
    rows[r + 2] = std::vector<MemorySheet::Cell>(cases[r].cells.begin(), cases[r].cells.end());
  const auto count = static_cast<std::int32_t>(cases.size());
  const source::SheetTable table = test::tableOf(rows, count + 1, count + 1);
  const std::vector<ColumnPair> columns{pairOf(0, EmailAddress), pairOf(1, EmailAddress2),
                                        pairOf(2, MobileNumber), pairOf(3, HomeTelephoneNumber),
                                        pairOf(4, BusinessFaxNumber)};
  const quillmere::test::ScratchFolder folder("several-values");
  const auto spool = folder / "report";
  MemorySheet exported(rows);
  test::MemorySink sink;
  test::ScriptedOptions options;
  options.version = VCardVersion::V30;
  RowReport report(spool.string() + ".spool");
  test::ReportingObserver observer(report);
  exportContacts(exported, ExportJob{table, columns, '.'}, options, sink, observer);
  report.finish();
  report.saveCsv(spool.string() + ".csv");
  std::ifstream csv(spool.string() + ".csv", std::ios::binary);
  std::string line;
  std::getline(csv, line);

  MemorySheet previewed(rows);
  RecordPreview preview(previewed, table, columns, '.');
  ASSERT_EQ(sink.records.size(), cases.size());
  for (std::size_t r = 0; r < cases.size(); ++r) {
    std::vector<std::string> lines;
    std::istringstream record(sink.records[r]);
    for (std::string text; std::getline(record, text);) {
      if (text.starts_with("EMAIL") || text.starts_with("TEL"))
        lines.push_back(text.substr(0, text.size() - 1));
    }
    EXPECT_EQ(lines, cases[r].lines) << "row " << r + 2;
    ASSERT_TRUE(preview.moveTo(static_cast<std::int32_t>(r + 1)));
    EXPECT_EQ(preview.card(options).record, sink.records[r]) << "row " << r + 2;
    std::getline(csv, line);
    const std::string reason =
        cases[r].leftOut.empty() ? std::string() : "\"" + cases[r].leftOut + "\"";
    EXPECT_EQ(line, std::to_string(r + 2) + ",written," + std::to_string(r + 1) + ".vcf," + reason +
                        ",\r")
        << "row " << r + 2;
  }
  std::filesystem::remove(spool.string() + ".csv");
}

}  // namespace
}  // namespace quillmere::core
