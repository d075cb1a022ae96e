#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "source/CellTextForm.h"
#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "source/xls/XlsWorkbook.h"

namespace quillmere::source {
namespace {

namespace fs = std::filesystem;
using Kind = WorkbookError::Kind;

const fs::path kFixtures = fs::path(QUILLMERE_FIXTURES_DIR) / "xls";
const fs::path kCorpus = fs::path(QUILLMERE_CORPUS_DIR) / "files";

std::string tsvOf(const fs::path& file, const ReadLimits& limits = {}) {
  auto workbook = openWorkbook(file, limits);
  std::ostringstream out;
  writeSheetTsv(workbook->sheet(), out);
  return out.str();
}

// The error reading the whole first sheet gives; fails the test when there is none.
WorkbookError errorOf(const fs::path& file, const ReadLimits& limits = {}) {
  try {
    tsvOf(file, limits);
  } catch (const WorkbookError& e) {
    return e;
  }
  ADD_FAILURE() << file << " read without an error";
  return WorkbookError(Kind::NotFound, file, "");
}

// Each row as "<row>:" and its cells' text forms, to compare passes over a sheet.
std::vector<std::string> rowsOf(SheetReader& sheet) {
  std::vector<std::string> rows;
  while (sheet.nextRow()) {
    std::string row = std::to_string(sheet.rowNumber()) + ":";
    for (std::size_t c = 0; c < sheet.cellCount(); ++c)
      row += textForm(sheet.cell(c)) + "|";
    rows.push_back(row);
  }
  return rows;
}

const std::string kCellKinds =
    "1.5\t-7\tZo\u00EB \u03A9\tGrace\n"
    "1\t0.02\t1\tTrue\t#DIV/0!\n"
    "from a formula\tTrue\t#N/A\t\t0.25\n"
    "\n"
    "\n"
    "\tAda\n";

TEST(XlsWorkbook, ReadsEveryCellKindInRowOrderAndOutOfIt) {
  for (const char* name : {"cell-kinds.xls", "rows-out-of-order.xls"}) {
    EXPECT_EQ(tsvOf(kFixtures / name), kCellKinds) << name;
  }
}

TEST(XlsWorkbook, GivesEachCellItsKind) {
  auto workbook = openWorkbook(kFixtures / "rows-out-of-order.xls");
  EXPECT_NE(dynamic_cast<const xls::XlsWorkbook*>(workbook.get()), nullptr);
  SheetReader& sheet = workbook->sheet();
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.cell(0).kind, CellKind::Number);
  EXPECT_EQ(sheet.cell(0).number, 1.5) << "the later of two records for one cell wins";
  EXPECT_EQ(sheet.cell(2).kind, CellKind::Text);
  EXPECT_EQ(sheet.cell(9).kind, CellKind::Empty);
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.cell(3).kind, CellKind::Boolean);
  EXPECT_EQ(sheet.cell(4).kind, CellKind::Error);
  EXPECT_EQ(sheet.cell(4).text, "#DIV/0!");
  EXPECT_EQ(sheet.cellCount(), 5U) << "a blank cell is not stored";
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.cell(0).kind, CellKind::Text);
  EXPECT_EQ(sheet.cell(2).kind, CellKind::Error);
  EXPECT_EQ(sheet.cell(3).kind, CellKind::Text) << "a formula's empty text result";
  EXPECT_EQ(sheet.cell(3).text, "");
}

TEST(XlsWorkbook, RowsComeInIncreasingOrderSkippingEmptyOnes) {
  for (const char* name : {"cell-kinds.xls", "rows-out-of-order.xls"}) {
    auto workbook = openWorkbook(kFixtures / name);
    SheetReader& sheet = workbook->sheet();
    EXPECT_EQ(sheet.rowNumber(), 0U);
    std::vector<std::uint32_t> numbers;
    while (sheet.nextRow())
      numbers.push_back(sheet.rowNumber());
    EXPECT_EQ(numbers, (std::vector<std::uint32_t>{1, 2, 3, 6})) << name;
    EXPECT_FALSE(sheet.nextRow()) << name;
  }
}

TEST(XlsWorkbook, RewindStartsTheSameSheetAgain) {
  for (const fs::path& file :
       {kFixtures / "cell-kinds.xls", kFixtures / "rows-out-of-order.xls",
        kFixtures / "biff2-cells.xls", kFixtures / "biff4-workbook.xls",
        kCorpus / "sheetjs__RkNumber.xls", kCorpus / "calamine__sst_continue.xls"}) {
    auto workbook = openWorkbook(file);
    SheetReader& sheet = workbook->sheet();
    const std::vector<std::string> first = rowsOf(sheet);
    ASSERT_FALSE(first.empty()) << file;
    sheet.rewind();
    EXPECT_EQ(sheet.rowNumber(), 0U);
    EXPECT_EQ(rowsOf(sheet), first) << file;
    // Rewinding halfway through gives the whole sheet too.
    sheet.rewind();
    ASSERT_TRUE(sheet.nextRow());
    sheet.rewind();
    EXPECT_EQ(rowsOf(sheet), first) << file;
  }
}

TEST(XlsWorkbook, GridRowsFollowTheFormatVersion) {
  const struct {
    fs::path file;
    std::uint32_t rows;
  } cases[] = {{kFixtures / "cell-kinds.xls", 65536},
               {kFixtures / "biff5-cyrillic.xls", 16384},
               {kFixtures / "biff2-cells.xls", 16384},
               {kCorpus / "poi__testEXCEL_3.xls", 16384},
               {kCorpus / "edr__as3xls_BIFF4.xls", 16384}};
  for (const auto& c : cases) {
    EXPECT_EQ(openWorkbook(c.file)->sheet().gridRows(), c.rows) << c.file;
  }
}

TEST(XlsWorkbook, ReadsTheFirstWorksheetInTabOrderNotInFileOrder) {
  EXPECT_EQ(tsvOf(kFixtures / "first-worksheet-in-tab-order.xls"), "first\n");
}

TEST(XlsWorkbook, DecodesEightBitTextInTheWorkbookCodePage) {
  EXPECT_EQ(tsvOf(kFixtures / "biff5-cyrillic.xls"), "\u041F\u0440\u0438\u0432\u0435\u0442\n");
}

TEST(XlsWorkbook, ReadsRowsPastAnOlderVersionsGrid) {
  // Found by fuzzing: BIFF4 worksheets whose records address rows past 16,384.
  for (const auto& [name, lastRow] : {std::pair{"biff4-row-32769-past-grid.xls", 32769u},
                                      std::pair{"biff4-row-16409-past-grid.xls", 16409u}}) {
    auto workbook = openWorkbook(fs::path(QUILLMERE_FUZZ_REGRESSIONS_DIR) / name);
    SheetReader& sheet = workbook->sheet();
    std::uint32_t last = 0;
    while (sheet.nextRow()) {
      last = sheet.rowNumber();
      ASSERT_LE(last, sheet.gridRows()) << name;
    }
    EXPECT_EQ(last, lastRow) << name;
    EXPECT_EQ(sheet.gridRows(), 65536u) << name;
  }
}

TEST(XlsWorkbook, ReadsTheBiff2CellRecords) {
  EXPECT_EQ(tsvOf(kFixtures / "biff2-cells.xls"), "42\t-0.125\nCaf\u00E9\tFalse\t#REF!\ndates\n");
}

TEST(XlsWorkbook, ReadsTheFirstSheetOfABiff4Workbook) {
  auto workbook = openWorkbook(kFixtures / "biff4-workbook.xls");
  EXPECT_EQ(workbook->sheet().gridRows(), 16384U);
  EXPECT_EQ(tsvOf(kFixtures / "biff4-workbook.xls"), "first \u00A3\n4\n");
}

TEST(XlsWorkbook, ReadsAStreamInRegularSectors) {
  const std::string tsv = tsvOf(kFixtures / "regular-sectors.xls");
  EXPECT_EQ(tsv.substr(0, 8), "0.5\n1.5\n");
  EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 300);
  EXPECT_NE(tsv.find("\n299.5\n"), std::string::npos);
}

TEST(XlsWorkbook, ReadsTheSectorsThatExistWhenTheDirectoryOverstatesTheSize) {
  // Each holds the whole sheet of regular-sectors.xls, short of what its directory states:
  // a size far past the end of the file, a file that stops where the data does, and a
  // chain that turns back to its start after the last sheet's end.
  const std::string whole = tsvOf(kFixtures / "regular-sectors.xls");
  for (const char* name : {"stream-size-past-file.xls", "unpadded-last-sector.xls",
                           "chain-loop-after-last-sheet.xls"}) {
    EXPECT_EQ(tsvOf(kFixtures / name), whole) << name;
  }
}

// Excel 5 text in Mac Roman, from Apple's table.
const std::string kMacRomanSheet =
    "Zo\u00EB Br\u00FCckner\n"
    "\u201CCaf\u00E9\u201D \u2022 5 \u20AC\n"
    "\u00D8rsted \u00C6ble \u00DF \uF8FF\n";

TEST(XlsWorkbook, ReadsBiff5FromAMacintoshWhateverItsBofSays) {
  for (const char* name :
       {"biff5-mac-roman.xls", "biff5-globals-bof-0600.xls", "biff5-sheet-bof-without-kind.xls"}) {
    auto workbook = openWorkbook(kFixtures / name);
    EXPECT_EQ(static_cast<xls::XlsWorkbook&>(*workbook).version(), xls::BiffVersion::Biff5) << name;
    EXPECT_EQ(workbook->sheet().gridRows(), 16384U) << name;
    EXPECT_EQ(tsvOf(kFixtures / name), kMacRomanSheet) << name;
  }
}

TEST(XlsWorkbook, ReadsTheLongestCellText) {
  auto workbook = openWorkbook(kFixtures / "longest-cell.xls");
  SheetReader& sheet = workbook->sheet();
  ASSERT_TRUE(sheet.nextRow());
  std::string omegas, emoji;
  for (int i = 0; i < 32767; ++i)
    omegas += "\u03A9";
  for (int i = 0; i < 16383; ++i)
    emoji += "\U0001F600";
  EXPECT_EQ(sheet.cell(0).text, omegas);
  EXPECT_EQ(sheet.cell(1).text, std::string(32767, 'x'));
  EXPECT_EQ(sheet.cell(2).text, emoji + "!");
  EXPECT_FALSE(sheet.nextRow());
}

TEST(XlsWorkbook, ReadsTextsAndStylesWhoseNextRecordsCrossTheBufferedBlocks) {
  const auto formulaText = [](int row) {
    std::string text;
    for (int i = 0; i <= row % 5; ++i)
      text += "text " + std::to_string(row) + " ";
    return text;
  };
  const auto labelText = [](int) { return std::string("0123456789abcdefghij"); };
  const struct {
    const char* file;
    std::function<std::string(int)> text;
  } cases[] = {{"string-records-across-blocks.xls", formulaText},
               {"label-continues-across-blocks.xls", labelText}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    auto workbook = openWorkbook(kFixtures / c.file);
    SheetReader& sheet = workbook->sheet();
    for (int row = 0; row < 400; ++row) {
      ASSERT_TRUE(sheet.nextRow());
      ASSERT_EQ(sheet.cell(0).text, c.text(row)) << row;
      ASSERT_EQ(sheet.cell(0).style, 15u) << row;
    }
    ASSERT_TRUE(sheet.nextRow());
    EXPECT_EQ(sheet.cell(0).number, 5.0);
    EXPECT_FALSE(sheet.nextRow());
  }
}

TEST(XlsWorkbook, ReadsARowAsWideAsTheLargestGrid) {
  auto workbook = openWorkbook(kFixtures / "widest-row.xls");
  SheetReader& sheet = workbook->sheet();
  ASSERT_TRUE(sheet.nextRow());
  ASSERT_EQ(sheet.cellCount(), 16384U);
  for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
    ASSERT_EQ(sheet.cell(c).kind, CellKind::Number) << c;
    ASSERT_EQ(sheet.cell(c).number, static_cast<double>(c)) << c;
  }
  EXPECT_FALSE(sheet.nextRow());
}

struct Refusal {
  const char* file;
  Kind kind;
  const char* phrase;
};

class RefusedXls : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedXls, GivesItsKindAndNamesTheFile) {
  const WorkbookError error = errorOf(kFixtures / GetParam().file);
  EXPECT_EQ(error.kind(), GetParam().kind) << error.what();
  const std::string message = error.what();
  EXPECT_NE(message.find(std::string(GetParam().file) + "\""), std::string::npos) << message;
  EXPECT_NE(message.find(GetParam().phrase), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, RefusedXls,
    ::testing::Values(
        Refusal{"sector-chain-loop.xls", Kind::Corrupt, "loops back on itself"},
        Refusal{"fat-index-out-of-range.xls", Kind::Corrupt, "points outside the file"},
        Refusal{"truncated-file.xls", Kind::Corrupt, "the file ends before"},
        Refusal{"truncated-after-table.xls", Kind::Corrupt, "the file ends before"},
        Refusal{"truncated-record.xls", Kind::Corrupt, "ends in the middle of a record"},
        // The first worksheet is whole, but the sheet after it is cut off.
        Refusal{"stream-ends-before-last-sheet.xls", Kind::Corrupt,
                "its sectors end before its stated size"},
        Refusal{"directory-chain-loop.xls", Kind::Corrupt,
                "the chain of directory sectors loops back on itself"},
        Refusal{"small-sector-chain-loop.xls", Kind::Corrupt,
                "the chain of small sectors loops back on itself"},
        Refusal{"difat-chain-loop.xls", Kind::Corrupt,
                "the chain of sector-table sectors loops back on itself"},
        Refusal{"record-length-past-end.xls", Kind::Corrupt, "ends in the middle of a record"},
        Refusal{"label-longer-than-record.xls", Kind::Corrupt,
                "a text runs past the end of its record"},
        Refusal{"column-past-last.xls", Kind::Corrupt, "beyond the last column (16385)"},
        Refusal{"unknown-code-page.xls", Kind::Unsupported, "code page 4242"},
        Refusal{"sst-index-out-of-range.xls", Kind::Corrupt, "shared text number 2 of only 2"},
        Refusal{"encrypted-filepass.xls", Kind::Encrypted, "is protected by a password"},
        Refusal{"encrypted-package.xls", Kind::Encrypted, "is protected by a password"},
        Refusal{"no-workbook-stream.xls", Kind::Unsupported,
                "is not a spreadsheet Quillmere can read"},
        Refusal{"only-a-chart.xls", Kind::NoWorksheet, "has no worksheet"}),
    [](const ::testing::TestParamInfo<Refusal>& param) {
      std::string name = param.param.file;
      name = name.substr(0, name.find('.'));
      for (char& c : name) {
        if (c == '-') c = '_';
      }
      return name;
    });

TEST(XlsWorkbook, EachLimitHasItsOwnMessage) {
  ReadLimits smallFile;
  smallFile.maxFileBytes = 1000;
  ReadLimits smallCell;  // the shared strings fit, the LABEL cell does not
  smallCell.maxCellTextBytes = 6;
  ReadLimits smallPool;
  smallPool.maxSharedStringBytes = 6;
  ReadLimits smallRow;  // each cell fits, the row's cells together do not
  smallRow.maxRowTextBytes = 16;
  const struct {
    const char* file;
    ReadLimits limits;
    const char* phrase;
  } cases[] = {
      {"cell-kinds.xls", smallFile, "bytes Quillmere reads from an .xls file"},
      {"cell-kinds.xls", smallCell, "bytes Quillmere reads in one cell"},
      {"rows-out-of-order.xls", smallCell, "bytes Quillmere reads in one cell"},
      {"cell-kinds.xls", smallPool, "shared text"},
      {"cell-kinds.xls", smallRow, "bytes of text together"},
      {"rows-out-of-order.xls", smallRow, "bytes of text together"},
  };
  for (const auto& c : cases) {
    const WorkbookError error = errorOf(kFixtures / c.file, c.limits);
    EXPECT_EQ(error.kind(), Kind::LimitExceeded) << error.what();
    EXPECT_NE(std::string(error.what()).find(c.phrase), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find(c.file), std::string::npos) << error.what();
  }
}

TEST(XlsWorkbook, TheCorpusRefusalsHaveTheRightKind) {
  const struct {
    const char* file;
    Kind kind;
  } cases[] = {{"phpss__oleloop.xls", Kind::Corrupt},
               {"edr__Test_Issue_12556_corrupt.xls", Kind::Corrupt},
               {"edr__Test_git_issue_242_xor_pwd_password.xls", Kind::Encrypted},
               {"poi__xor-encryption-abc.xls", Kind::Encrypted},
               {"sheetjs__password_2002_128_strong.xls", Kind::Encrypted}};
  for (const auto& c : cases) {
    EXPECT_EQ(errorOf(kCorpus / c.file).kind(), c.kind) << c.file;
  }
}

}  // namespace
}  // namespace quillmere::source
