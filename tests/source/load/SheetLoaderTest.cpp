#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "source/WorkbookError.h"
#include "source/load/SheetLoader.h"
#include "tests/support/MemorySheet.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::source {
namespace {

using test::MemorySheet;

// Records the counts it was told of and its waits; can stop the load after a number of rows.
class CountingObserver : public LoadObserver {
 public:
  bool rowTaken(std::int32_t rowsFound) override {
    counts.push_back(rowsFound);
    return stopAfter < 0 || static_cast<int>(counts.size()) < stopAfter;
  }
  void waiting() override { ++waits; }
  std::vector<std::int32_t> counts;
  int waits = 0;
  int stopAfter = -1;
};

// A sheet that waits once before each row, running the work it was given meanwhile.
class WaitingSheet : public MemorySheet {
 public:
  explicit WaitingSheet(MemorySheet sheet) : MemorySheet(std::move(sheet)) {}
  void setWhileWaiting(std::function<void()> work) override { whileWaiting = std::move(work); }
  bool nextRow() override {
    if (whileWaiting) whileWaiting();
    return MemorySheet::nextRow();
  }
  std::function<void()> whileWaiting;
};

LoadedSheet load(MemorySheet& sheet, char decimalSeparator = '.') {
  CountingObserver observer;
  LoadOptions options;
  options.decimalSeparator = decimalSeparator;
  auto loaded = extractSheetData(sheet, observer, options);
  EXPECT_TRUE(loaded.has_value());
  return loaded ? std::move(*loaded) : LoadedSheet{};
}

MemorySheet contacts(int dataRows) {
  MemorySheet sheet = MemorySheet::ofText({{1, {"Name", "Mail", "Phone"}}});
  for (int r = 0; r < dataRows; ++r) {
    sheet.rows()[static_cast<std::uint32_t>(r + 2)] = {"n" + std::to_string(r + 1),
                                                       "m" + std::to_string(r + 1), 5.0 + r};
  }
  return sheet;
}

TEST(SheetLoader, CountsTheHeaderRowAndEveryDataRowAndPreviewsThem) {
  MemorySheet sheet = contacts(25);
  const LoadedSheet loaded = load(sheet);
  EXPECT_EQ(loaded.table.rowsFound, 26);
  EXPECT_EQ(loaded.table.dataRows(), 25);
  EXPECT_EQ(loaded.table.lastCountedRow, 26u);
  ASSERT_EQ(loaded.table.headerCount(), 3);
  EXPECT_EQ(loaded.table.headers[1].letters, "B");
  EXPECT_EQ(loaded.table.headers[1].text, "Mail");
  EXPECT_EQ(loaded.table.headers[2].column, 2u);
  ASSERT_EQ(loaded.preview.rowCount(), 26u);
  EXPECT_EQ(loaded.preview.cell(0, 0), "Name");
  EXPECT_EQ(loaded.preview.cell(25, 0), "n25");
  EXPECT_EQ(loaded.preview.cell(3, 2), "7");
}

TEST(SheetLoader, ThePreviewHoldsOnlyTheHeaderColumns) {
  MemorySheet sheet =
      MemorySheet::ofText({{1, {"Name", "Mail", "", "Stray"}}, {2, {"Ann", "", "x", "y"}}});
  const LoadedSheet loaded = load(sheet);
  ASSERT_EQ(loaded.table.headerCount(), 2);
  EXPECT_EQ(loaded.preview.columnCount(), 2u);
  EXPECT_EQ(loaded.preview.cell(1, 0), "Ann");
  EXPECT_EQ(loaded.preview.cell(0, 3), "");
  EXPECT_EQ(loaded.preview.cell(1, 2), "");
}

TEST(SheetLoader, HeaderColumnsRunFromAToTheFirstEmptyCellWithTheirLetters) {
  std::vector<std::string> header;
  for (int c = 0; c < 60; ++c)
    header.push_back("h" + std::to_string(c + 1));
  header.push_back("");
  header.push_back("beyond the gap");
  MemorySheet sheet = MemorySheet::ofText({{1, header}});
  const LoadedSheet loaded = load(sheet);
  ASSERT_EQ(loaded.table.headerCount(), 60);
  EXPECT_EQ(loaded.table.headers[25].letters, "Z");
  EXPECT_EQ(loaded.table.headers[26].letters, "AA");
  EXPECT_EQ(loaded.table.headers[26].text, "h27");
  EXPECT_EQ(loaded.table.headers[52].letters, "BA");
  EXPECT_EQ(loaded.table.headers[52].text, "h53");
}

TEST(SheetLoader, ReadsEveryHeaderColumnOfTheWidestSheet) {
  std::vector<std::string> header(16384);
  for (std::size_t c = 0; c < header.size(); ++c)
    header[c] = "c" + std::to_string(c);
  MemorySheet sheet = MemorySheet::ofText({{1, header}, {2, {"first"}}});
  const LoadedSheet loaded = load(sheet);
  ASSERT_EQ(loaded.table.headerCount(), 16384);
  EXPECT_EQ(loaded.table.headers.back().letters, "XFD");
  EXPECT_EQ(loaded.preview.cell(0, 16383), "c16383");
  EXPECT_EQ(loaded.table.rowsFound, 2);
}

TEST(SheetLoader, NumericHeadersAndCellsTakeTheirTextForm) {
  MemorySheet sheet(MemorySheet::Rows{{1, {2024.0, std::string("Half")}}, {2, {1.0, 0.5}}});
  const LoadedSheet dotted = load(sheet);
  EXPECT_EQ(dotted.table.headers[0].text, "2024");
  EXPECT_EQ(dotted.preview.cell(1, 1), "0.5");
  MemorySheet again(MemorySheet::Rows{{1, {2024.5, std::string("Half")}}, {2, {1.0, 0.5}}});
  const LoadedSheet comma = load(again, ',');
  EXPECT_EQ(comma.table.headers[0].text, "2024,5");
  EXPECT_EQ(comma.preview.cell(1, 1), "0,5");
}

TEST(SheetLoader, PreviewStopsAtAThousandRowsWhileCountingGoesOn) {
  MemorySheet sheet = contacts(1499);
  const LoadedSheet loaded = load(sheet);
  EXPECT_EQ(loaded.table.rowsFound, 1500);
  EXPECT_EQ(loaded.table.dataRows(), 1499);
  EXPECT_EQ(loaded.table.lastCountedRow, 1500u);
  ASSERT_EQ(loaded.preview.rowCount(), SheetPreview::kMaxRows);
  EXPECT_EQ(loaded.preview.cell(999, 0), "n999");
}

TEST(SheetLoader, WithoutAHeaderInA1EveryRowIsEmptyAndTheLoadEndsAfterFive) {
  MemorySheet sheet =
      MemorySheet::ofText({{1, {"", "Mail"}}, {2, {"a", "b"}}, {3, {"c"}}, {9, {"d"}}});
  const LoadedSheet loaded = load(sheet);
  EXPECT_EQ(loaded.table.headerCount(), 0);
  EXPECT_EQ(loaded.table.rowsFound, 0);
  EXPECT_EQ(loaded.table.lastCountedRow, 0u);
  EXPECT_EQ(loaded.preview.rowCount(), 0u);
  EXPECT_LE(sheet.rowsRead, 4u);
}

TEST(SheetLoader, AHeaderRowThatIsNotRowOneIsNoHeader) {
  MemorySheet sheet = MemorySheet::ofText({{2, {"Name"}}, {3, {"Ann"}}});
  const LoadedSheet loaded = load(sheet);
  EXPECT_EQ(loaded.table.headerCount(), 0);
  EXPECT_EQ(loaded.table.rowsFound, 0);
}

TEST(SheetLoader, TellsTheObserverOfEveryRowItCountsAndOfItsWaitsAndStopsWhenItSaysSo) {
  WaitingSheet sheet(MemorySheet::ofText({{1, {"H"}}, {2, {"a"}}, {3, {""}}, {4, {"b"}}}));
  CountingObserver observer;
  ASSERT_TRUE(extractSheetData(sheet, observer).has_value());
  EXPECT_EQ(observer.counts, (std::vector<std::int32_t>{1, 2, 3}));
  // Once before each of the four rows and before the end.
  EXPECT_EQ(observer.waits, 5);
  EXPECT_FALSE(sheet.whileWaiting) << "the load's work outlives the load";

  WaitingSheet again(contacts(10));
  CountingObserver stopping;
  stopping.stopAfter = 3;
  EXPECT_FALSE(extractSheetData(again, stopping).has_value());
  EXPECT_EQ(stopping.counts.size(), 3u);
  EXPECT_FALSE(again.whileWaiting) << "the load's work outlives the load";
}

TEST(SheetPreview, CutsLongTextAtACharacterBoundaryAndAnswersEmptyOutsideItsCells) {
  SheetPreview preview(2);
  preview.beginRow();
  std::string longText(SheetPreview::kMaxCellBytes - 1, 'x');
  longText += "\xC3\xA9tail";  // "é" straddles the limit
  preview.addCell(0, longText);
  preview.addCell(1, "b");
  preview.addCell(5, "outside the columns");
  EXPECT_EQ(preview.cell(0, 0), std::string(SheetPreview::kMaxCellBytes - 1, 'x'));
  EXPECT_EQ(preview.cell(0, 1), "b");
  EXPECT_EQ(preview.cell(0, 5), "");
  EXPECT_EQ(preview.cell(3, 0), "");
}

TEST(SheetPreview, StopsTakingRowsOnceItsCellBudgetIsSpent) {
  SheetPreview preview(16384);
  std::size_t rows = 0;
  while (!preview.full()) {
    preview.beginRow();
    for (std::size_t c = 0; c < 16384; ++c)
      preview.addCell(c, "x");
    ++rows;
  }
  EXPECT_LT(rows, SheetPreview::kMaxRows);
  EXPECT_EQ(preview.rowCount(), rows);
}

class LoadFromFile : public ::testing::Test {
 protected:
  quillmere::test::ScratchFolder folder_{"load"};
};

TEST_F(LoadFromFile, LoadsTheFirstSheetOfAWorkbookAndKeepsItsPath) {
  const auto path = folder_ / "contacts.csv";
  std::ofstream(path, std::ios::binary) << "Name,Mail\r\nAnn,ann@example.org\r\n\r\nBob,\r\n";
  CountingObserver observer;
  const auto loaded = extractExcelData(path, observer);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(loaded->table.workbook, path);
  EXPECT_EQ(loaded->table.rowsFound, 3);
  EXPECT_EQ(loaded->table.lastCountedRow, 4u);
  EXPECT_EQ(loaded->preview.cell(2, 0), "Bob");
}

TEST_F(LoadFromFile, AWorkbookThatCannotBeReadThrowsAMessageNamingIt) {
  const auto path = folder_ / "missing.xlsx";
  CountingObserver observer;
  try {
    static_cast<void>(extractExcelData(path, observer));
    FAIL() << "a missing workbook loaded";
  } catch (const WorkbookError& error) {
    EXPECT_EQ(error.kind(), WorkbookError::Kind::NotFound);
    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
  }
}

}  // namespace
}  // namespace quillmere::source
