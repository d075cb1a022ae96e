#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/ContactSheet.h"
#include "core/ExportJob.h"
#include "core/ExportSession.h"
#include "source/WorkbookError.h"
#include "tests/core/ExportDoubles.h"

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
    folder_ = fs::temp_directory_path() / ("quillmere-contact-sheet-" + GetParam());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    copy_ = folder_ / GetParam();
    fs::copy_file(fs::path(QUILLMERE_UI_FIXTURES) / GetParam(), copy_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<ContactSheet> load(std::size_t budget = ContactSheet::kKeptRowsBudget) {
    AnyRow observer;
    return ContactSheet::load(copy_, observer, {}, budget);
  }

  fs::path spool() const { return folder_ / "rows.spool"; }

  fs::path folder_;
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

}  // namespace
}  // namespace quillmere::core
