// What an error says besides its message: the file, the problem in words a user of any front end
// can act on, and where known the part, the row and the system's error number.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "source/Workbook.h"
#include "source/WorkbookError.h"

namespace quillmere::source {
namespace {

namespace fs = std::filesystem;
using Kind = WorkbookError::Kind;

const fs::path kFixtures = QUILLMERE_FIXTURES_DIR;

// The error reading the whole first sheet gives; fails the test when there is none.
WorkbookError errorOf(const fs::path& path, const ReadLimits& limits = {}) {
  try {
    auto workbook = openWorkbook(path, limits);
    SheetReader& sheet = workbook->sheet();
    while (sheet.nextRow()) {
    }
  } catch (const WorkbookError& e) {
    return e;
  }
  ADD_FAILURE() << path << " was read";
  return WorkbookError(Kind::Corrupt, path, "");
}

struct Refusal {
  const char* file;
  Kind kind;
  // The whole problem when its wording matters here, else empty.
  const char* problem;
  std::optional<std::string> part;
  std::optional<std::uint32_t> row;
};

class WorkbookErrorFacts : public ::testing::TestWithParam<Refusal> {};

TEST_P(WorkbookErrorFacts, NameWhatIsWrongAndWhere) {
  const Refusal& expected = GetParam();
  const fs::path path = kFixtures / expected.file;
  const WorkbookError error = errorOf(path);
  EXPECT_EQ(error.kind(), expected.kind);
  EXPECT_EQ(error.file(), path);
  EXPECT_EQ(error.what(), "\"" + path.string() + "\" " + error.problem());
  if (*expected.problem != '\0') {
    EXPECT_EQ(error.problem(), expected.problem);
  }
  EXPECT_EQ(error.part(), expected.part);
  EXPECT_EQ(error.row(), expected.row);
  EXPECT_EQ(error.errorNumber(), std::nullopt);
}

const std::string kSheet = "xl/worksheets/sheet1.xml";

INSTANTIATE_TEST_SUITE_P(
    Fixtures, WorkbookErrorFacts,
    ::testing::Values(
        // Remedies suit a window and a command line alike: nothing to choose or press.
        Refusal{"csv/unclosed-quote.csv",
                Kind::Corrupt,
                "has a quote on line 4 that opens a value but never closes it, so the rest of the "
                "file would be one cell. Add the missing closing quote on line 4 in a text "
                "editor, then open the file again.",
                {},
                {}},
        Refusal{"xls/encrypted-filepass.xls",
                Kind::Encrypted,
                "is protected by a password. Remove the password in your spreadsheet program, "
                "save the file, then open it again.",
                {},
                {}},
        Refusal{"xls/truncated-file.xls",
                Kind::Corrupt,
                "is damaged and cannot be read (the file ends before its last part). If your "
                "spreadsheet program still opens it, save it again and open the new copy.",
                {},
                {}},
        Refusal{"xlsx/binary-workbook.xlsx",
                Kind::Unsupported,
                "is an Excel Binary Workbook (.xlsb), which Quillmere cannot read. Open it in "
                "your spreadsheet program, save it as an Excel Workbook (.xlsx) and open that "
                "file.",
                {},
                {}},
        Refusal{"xlsx/word-document.xlsx",
                Kind::Unsupported,
                "is an Office document but not a spreadsheet, so Quillmere cannot read it. "
                "Quillmere reads Excel workbooks (.xlsx, .xls) and .csv files.",
                {},
                {}},
        Refusal{"xlsx/encrypted-zip-entry.xlsx",
                Kind::Encrypted,
                "is protected by a password. Remove the password in your spreadsheet program, "
                "save the file, then open it again.",
                kSheet,
                {}},
        Refusal{"xlsx/cut-short.xlsx",
                Kind::Corrupt,
                "is damaged or incomplete: it starts like an .xlsx workbook but its zip archive "
                "is broken or cut short. Was the copy or download interrupted?",
                {},
                {}},
        // The part, and the row when the problem lies in one.
        Refusal{"xlsx/missing-sheet-part.xlsx",
                Kind::Corrupt,
                "is damaged: its worksheet (xl/worksheets/sheet1.xml) is missing from the archive.",
                kSheet,
                {}},
        Refusal{"xlsx/broken-sheet-xml.xlsx", Kind::Corrupt, "", kSheet, {}},
        Refusal{"xlsx/truncated-deflated-part.xlsx", Kind::Corrupt, "", kSheet, {}},
        Refusal{"xlsx/shared-string-index-out-of-range.xlsx", Kind::Corrupt, "", kSheet, 2},
        Refusal{"xlsx/column-past-xfd.xlsx", Kind::LimitExceeded, "", kSheet, 2},
        Refusal{"xlsx/row-past-grid.xlsx", Kind::LimitExceeded, "", kSheet, {}}),
    [](const auto& param) {
      std::string name = param.param.file;
      for (auto& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

class WorkbookErrorOfAFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quillmere-error-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
};

TEST_F(WorkbookErrorOfAFile, AMissingFileCarriesTheSystemsErrorAndNoWindowWords) {
  const WorkbookError error = errorOf(dir_ / "contacts.xlsx");
  EXPECT_EQ(error.kind(), Kind::NotFound);
  EXPECT_EQ(error.problem(), "does not exist. Check the name and the folder.");
  EXPECT_EQ(error.errorNumber(), ENOENT);
  EXPECT_EQ(error.part(), std::nullopt);
}

TEST_F(WorkbookErrorOfAFile, ATextFileNamesTheRowOfAValueTooLong) {
  const fs::path path = dir_ / "contacts.csv";
  std::ofstream(path, std::ios::binary) << "Name,Mail\nAnna,anna@example.org\n";
  ReadLimits limits;
  limits.maxCellTextBytes = 8;
  const WorkbookError error = errorOf(path, limits);
  EXPECT_EQ(error.kind(), Kind::LimitExceeded);
  EXPECT_EQ(error.row(), 2u);
  EXPECT_EQ(error.part(), std::nullopt);
}

}  // namespace
}  // namespace quillmere::source
