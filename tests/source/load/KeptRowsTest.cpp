#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "source/load/KeptRows.h"
#include "tests/support/MemorySheet.h"

namespace quillmere::source {
namespace {

using namespace std::string_literals;
using test::MemorySheet;

// Rows enough to fill several blocks of cells and of copied text, one text longer than a block,
// texts on each side of the longest a cell holds beside its kind, numbers with their styles,
// zeros with and without, and errors between.
MemorySheet manyRows() {
  MemorySheet sheet;
  for (std::uint32_t row = 1; row <= 40000; ++row) {
    std::vector<MemorySheet::Cell> cells;
    for (std::uint32_t column = 0; column < 16; ++column) {
      if (column % 4 == 1) {
        cells.emplace_back(MemorySheet::Styled{row % 7 == 0 ? 0.0 : row * 100.0 + column, column});
      } else if (column == 2 && row % 11 == 0) {
        cells.emplace_back(row % 3 == 0 ? 0.0 : -0.0);
      } else if (column == 2 && row % 500 == 0) {
        cells.emplace_back(std::string(8191 + row / 500 % 3, 'z'));
      } else if (column == 15 && row % 1000 == 0) {
        cells.emplace_back(MemorySheet::Error{"#N/A"});
      } else {
        cells.emplace_back(std::to_string(row) + ":" + std::to_string(column) +
                           std::string(row % 97, 'x'));
      }
    }
    sheet.rows()[row] = std::move(cells);
  }
  sheet.rows()[40001] = {std::string(3 << 20, 'y'), 1.5};
  return sheet;
}

KeptRows keepAll(MemorySheet& sheet, std::size_t budget) {
  KeptRows kept(budget);
  while (sheet.nextRow())
    kept.keep(sheet, 16);
  return kept;
}

TEST(KeptRows, GiveBackEveryCellOfEveryRowAsTheSheetHadIt) {
  MemorySheet sheet = manyRows();
  const KeptRows kept = keepAll(sheet, std::size_t{1} << 30);
  ASSERT_TRUE(kept.whole());

  KeptRowsReader reader(kept, sheet.cellFormats(), sheet.gridRows());
  sheet.rewind();
  std::size_t rows = 0;
  while (sheet.nextRow()) {
    ASSERT_TRUE(reader.nextRow());
    ASSERT_EQ(reader.rowNumber(), sheet.rowNumber());
    ASSERT_EQ(reader.cellCount(), sheet.cellCount());
    for (std::size_t column = 0; column < sheet.cellCount(); ++column) {
      const CellValue want = sheet.cell(column), got = reader.cell(column);
      ASSERT_EQ(got.kind, want.kind) << "row " << sheet.rowNumber() << " column " << column;
      ASSERT_EQ(got.text, want.text) << "row " << sheet.rowNumber() << " column " << column;
      ASSERT_EQ(std::signbit(got.number), std::signbit(want.number));
      ASSERT_EQ(got.number, want.number);
      ASSERT_EQ(got.style, want.style);
    }
    ++rows;
  }
  EXPECT_FALSE(reader.nextRow());
  EXPECT_EQ(rows, 40001u);
}

// A sheet whose last row has more cells than any address space holds, so memory for them is
// always refused.
class RowBeyondMemory : public MemorySheet {
 public:
  static constexpr std::size_t kCells = std::size_t{1} << 45;
  RowBeyondMemory() : MemorySheet({{1, {"name"s, 2.5}}, {2, {"other"s}}, {3, {1.0}}}) {}
  std::size_t cellCount() const override { return wide() ? kCells : MemorySheet::cellCount(); }
  CellValue cell(std::size_t column) const override {
    return wide() ? CellValue::ofNumber(1.0, 0) : MemorySheet::cell(column);
  }

 private:
  bool wide() const { return rowNumber() == 3; }
};

TEST(KeptRows, LetGoOfAllOnceTheyPassTheirBudgetOrMemoryForARowIsRefused) {
  MemorySheet sheet = manyRows();
  const KeptRows overBudget = keepAll(sheet, std::size_t{8} << 20);
  EXPECT_FALSE(overBudget.whole());
  EXPECT_EQ(overBudget.rowCount(), 0u);
  EXPECT_EQ(overBudget.bytes(), 0u);

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "a sanitizer stops the program at an allocation beyond its largest";
#else
  RowBeyondMemory beyond;
  KeptRows refused(SIZE_MAX);
  while (beyond.nextRow())
    EXPECT_NO_THROW(refused.keep(beyond, RowBeyondMemory::kCells));
  EXPECT_FALSE(refused.whole());
  EXPECT_EQ(refused.rowCount(), 0u);
  EXPECT_EQ(refused.bytes(), 0u);
#endif
}

}  // namespace
}  // namespace quillmere::source
