#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "core/ContactSheet.h"
#include "core/ExportJob.h"
#include "core/ExportSession.h"
#include "core/SkippedDataText.h"
#include "source/WorkbookError.h"
#include "tests/core/ExportDoubles.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::core {
namespace {

namespace fs = std::filesystem;
using test::MemorySink;
using test::RecordingObserver;
using test::ScriptedOptions;

class AnyRow : public source::LoadObserver {
 public:
  bool rowTaken(std::int32_t) override { return true; }
};

// What a whole conversion of the sheet writes, and where its rows came from.
struct Converted {
  std::map<std::string, std::string> files;
  ExportReport report;
  std::int64_t reportRows = 0;
};

Converted convert(ContactSheet& sheet, bool single, const fs::path& spool) {
  const auto& headers = sheet.table().headers;
  std::vector<ColumnPair> columns;
  for (const auto& [column, field] : {std::pair{0u, Field::FirstName},
                                      {1u, Field::LastName},
                                      {2u, Field::EmailAddress},
                                      {5u, Field::MobileNumber},
                                      {6u, Field::Notes}}) {
    columns.push_back({headers.at(column), field});
  }
  ScriptedOptions options;
  options.single = single;
  auto sink = std::make_unique<MemorySink>();
  MemorySink& files = *sink;
  ExportSession session(sheet, std::move(columns), options, std::move(sink), spool);
  RecordingObserver observer;
  Converted converted;
  converted.report = session.run(observer);
  converted.files = files.files;
  EXPECT_NE(session.rowReport(), nullptr);
  if (session.rowReport() != nullptr) converted.reportRows = session.rowReport()->rows();
  EXPECT_EQ(session.progress().rowsProcessed, converted.report.counts.rowsProcessed);
  return converted;
}

class ContactSheetTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    copy_ = folder_ / GetParam();
    fs::copy_file(fs::path(QUILLMERE_UI_FIXTURES) / GetParam(), copy_);
  }

  std::unique_ptr<ContactSheet> load(std::size_t budget = ContactSheet::kKeptRowsBudget) {
    AnyRow observer;
    return ContactSheet::load(copy_, observer, {}, budget);
  }

  fs::path spool() const { return folder_ / "rows.spool"; }

  quillmere::test::ScratchFolder folder_{"contact-sheet"};
  fs::path copy_;
};

TEST_P(ContactSheetTest, ConvertsFromTheKeptRowsExactlyWhatTheFileGivesWhenReadAgain) {
  const auto kept = load();
  ASSERT_TRUE(kept->rowsKept());
  const auto overBudget = load(0);
  ASSERT_FALSE(overBudget->rowsKept());
  for (const bool single : {true, false}) {
    const Converted fromKept = convert(*kept, single, spool());
    const Converted fromFile = convert(*overBudget, single, spool());
    EXPECT_EQ(fromKept.files, fromFile.files);
    EXPECT_FALSE(fromKept.files.empty());
    EXPECT_EQ(fromKept.report.counts.contactCount + fromKept.report.counts.emptyEmailCount,
              kept->table().dataRows());
    EXPECT_TRUE(fromKept.report.everyContactWritten());
    EXPECT_EQ(fromKept.reportRows, kept->table().dataRows());
  }
  // A cursor on the kept rows while the file is as it was; on the file once it has changed.
  EXPECT_TRUE(kept->readRows().fromKeptRows());
  const auto later = fs::last_write_time(copy_) + std::chrono::seconds(2);
  fs::last_write_time(copy_, later);
  EXPECT_FALSE(kept->readRows().fromKeptRows());
  EXPECT_EQ(convert(*kept, true, spool()).files, convert(*overBudget, true, spool()).files);
}

TEST_P(ContactSheetTest, AWorkbookGoneOrChangedSinceTheLoadIsRefusedBeforeAnythingIsWritten) {
  const auto sheet = load();
  fs::remove(copy_);
  try {
    convert(*sheet, true, spool());
    ADD_FAILURE() << "a deleted workbook was converted";
  } catch (const source::WorkbookError& error) {
    EXPECT_EQ(error.kind(), source::WorkbookError::Kind::NotFound);
  }
  // Another file under the same name, with other headers.
  std::ofstream(copy_) << "Name,Mail\nAnn,ann@example.org\n";
  try {
    convert(*sheet, true, spool());
    ADD_FAILURE() << "a changed workbook was converted";
  } catch (const WorkbookChanged& error) {
    EXPECT_EQ(error.kind(), WorkbookChanged::Kind::HeadersDiffer);
    EXPECT_EQ(error.file(), copy_);
  }
}

TEST_P(ContactSheetTest, ADesktopWithADecimalCommaChangesNothingInTheFiles) {
  const auto sheet = load();
  const Converted plain = convert(*sheet, true, spool());
  // The window takes the C library's locale from the desktop; reading must not follow it.
  const std::string before = std::setlocale(LC_ALL, nullptr);
  bool german = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"})
    german = german || std::setlocale(LC_ALL, name) != nullptr;
  if (!german) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const auto again = load();
  const Converted underGerman = convert(*again, true, spool());
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(underGerman.files, plain.files);
}

INSTANTIATE_TEST_SUITE_P(Formats, ContactSheetTest,
                         ::testing::Values("contacts.xlsx", "contacts.xls", "contacts.csv"),
                         [](const auto& test) { return test.param.substr(9); });

constexpr const char* kLinkedInExport =
    "Notes:\r\n"
    "\"When exporting your connection data, you may notice that some of the email addresses are "
    "missing.\"\r\n"
    "\r\n"
    "First Name,Last Name,URL,Email Address,Company,Position,Connected On\r\n"
    "Ann,Lee,https://www.linkedin.com/in/ann,,Acme,Engineer,01 Mar 2022\r\n";

TEST(ContactSheet, ReadsTheChosenHeaderRowAndNamesWhatTheRulesLeaveUnread) {
  const struct {
    const char* name;
    const char* csv;
    std::uint32_t headerRow;
    std::vector<std::string> headers;
    std::int32_t dataRows;
    std::optional<std::uint32_t> suggested;
    std::vector<std::string> notices;
  } cases[] = {
      {"headers below a title and a blank row",
       "Contacts 2026\r\n\r\nName,Mail\r\nAnn,a@x\r\nBob,b@x\r\n",
       3,
       {"Name", "Mail"},
       2,
       std::nullopt,
       {}},
      {"the same read from row 1",
       "Contacts 2026\r\n\r\nName,Mail\r\nAnn,a@x\r\nBob,b@x\r\n",
       1,
       {"Contacts 2026"},
       3,
       3,
       {"Column B holds data but is not read: the headers end at the first empty cell of row 1, "
        "B1. Fill in the missing headers to read it."}},
      // LinkedIn's connections export, which opens with a note above its header row.
      {"a note above the headers",
       kLinkedInExport,
       1,
       {"Notes:"},
       3,
       4,
       {"Columns B, C, D, E, F and G hold data but are not read: the headers end at the first "
        "empty cell of row 1, B1. Fill in the missing headers to read them."}},
      {"the same read from the row suggested",
       kLinkedInExport,
       4,
       {"First Name", "Last Name", "URL", "Email Address", "Company", "Position", "Connected On"},
       1,
       std::nullopt,
       {}},
      {"an empty header cell between headers",
       "Name,,Mail\r\nAnn,x,a@x\r\n",
       1,
       {"Name"},
       1,
       std::nullopt,
       {"Columns B and C hold data but are not read: the headers end at the first empty cell of "
        "row 1, B1. Fill in the missing headers to read them."}},
      {"rows after five empty rows",
       "Name\r\nAnn\r\n\r\n\r\n\r\n\r\n\r\nLate\r\n,Later\r\n",
       1,
       {"Name"},
       1,
       std::nullopt,
       {"2 rows (8 to 9) hold data but are not read: five empty rows in a row end the list of "
        "contacts. Remove the empty rows to read them."}},
  };
  const quillmere::test::ScratchFolder folder("header-row");
  for (const auto& c : cases) {
    const fs::path file = folder / "list.csv";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << c.csv;
    AnyRow observer;
    source::LoadOptions options;
    options.headerRow = c.headerRow;
    const auto sheet = ContactSheet::load(file, observer, options);
    const source::SheetTable& table = sheet->table();
    std::vector<std::string> headers;
    for (const auto& header : table.headers)
      headers.push_back(header.text);
    EXPECT_EQ(headers, c.headers) << c.name;
    EXPECT_EQ(table.dataRows(), c.dataRows) << c.name;
    EXPECT_EQ(sheet->suggestedHeaderRow(), c.suggested) << c.name;
    std::vector<std::string> notices;
    for (const auto& notice : skippedDataNotices(table, table.skipped))
      notices.push_back(notice.sentence);
    EXPECT_EQ(notices, c.notices) << c.name;

    // The tool's one pass finds the same, and the saved report lists it after the rows.
    const auto onePass = ContactSheet::openHeaderRow(file, options);
    ScriptedOptions exportOptions;
    exportOptions.single = true;
    exportOptions.allowEmpty = true;
    ExportSession session(*onePass, {{onePass->table().headers.at(0), Field::FirstName}},
                          exportOptions, std::make_unique<MemorySink>(), folder / "rows.spool");
    RecordingObserver recorder;
    const ExportReport report = session.run(recorder);
    EXPECT_EQ(report.skipped, table.skipped) << c.name;
    EXPECT_EQ(report.counts.rowsProcessed, c.dataRows) << c.name;
    ASSERT_NE(session.rowReport(), nullptr);
    session.rowReport()->saveCsv(folder / "report.csv");
    std::ifstream saved(folder / "report.csv", std::ios::binary);
    const std::string csv((std::istreambuf_iterator<char>(saved)), {});
    for (const auto& notice : c.notices) {
      const bool quoted = notice.find(',') != std::string::npos;
      const std::string field = quoted ? "\"" + notice + "\"" : notice;
      EXPECT_NE(csv.find(",not read,," + field + ",\r\n"), std::string::npos) << c.name << csv;
    }
  }
}

}  // namespace
}  // namespace quillmere::core
