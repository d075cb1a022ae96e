#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "source/WorkbookError.h"
#include "source/load/RowsAheadReader.h"
#include "tests/support/MemorySheet.h"

namespace quillmere::source {
namespace {

using namespace std::string_literals;
using test::MemorySheet;

WorkbookError damaged() {
  return WorkbookError(WorkbookError::Kind::Corrupt, "book.xlsx", "row damaged");
}

// A sheet whose column A is a shared string, and which may break at one row.
class SharedTextSheet : public MemorySheet {
 public:
  using MemorySheet::MemorySheet;
  std::optional<std::uint32_t> brokenRow;

  bool nextRow() override {
    const bool more = MemorySheet::nextRow();
    if (more && brokenRow == rowNumber()) {
      throw damaged();
    }
    return more;
  }
  CellValue cell(std::size_t column) const override {
    CellValue value = MemorySheet::cell(column);
    value.lasting = column == 0 && value.kind == CellKind::Text;
    return value;
  }
};

// Every row as "number: cells", a cell as its kind and text or number and style; then how the
// sheet ended.
std::string readAll(SheetReader& sheet, std::size_t rows = SIZE_MAX) {
  std::string out;
  try {
    for (std::size_t row = 0; row < rows && sheet.nextRow(); ++row) {
      out += std::to_string(sheet.rowNumber()) + ":";
      for (std::size_t column = 0; column < sheet.cellCount(); ++column) {
        const CellValue value = sheet.cell(column);
        out += " " + std::to_string(static_cast<int>(value.kind)) + "/" + std::string(value.text) +
               "/" + std::to_string(value.number) + "/" + std::to_string(value.style);
      }
      out += "\n";
    }
    if (rows == SIZE_MAX) out += "end";
  } catch (const WorkbookError& error) {
    out += error.what();
  }
  return out;
}

TEST(RowsAheadReader, GivesTheRowsItsSheetGivesAndItsFailureAfterThem) {
  MemorySheet::Rows many;
  for (std::uint32_t row = 1; row <= 2000; row += 1 + row % 3) {
    many[row] = {"shared " + std::to_string(row), "own " + std::to_string(row % 7),
                 MemorySheet::Styled{row * 1.5, row % 4}, MemorySheet::Error{"#N/A"}, ""s};
  }
  MemorySheet::Rows longTexts;
  for (std::uint32_t row = 1; row <= 12; ++row)
    longTexts[row] = {"s"s, std::string(300'000, static_cast<char>('a' + row))};
  MemorySheet::Rows wide = {{1, {"a"s}}, {2, std::vector<MemorySheet::Cell>(50'000, 2.0)}};
  wide[2][49'999] = "last"s;
  wide[3] = {"after"s};
  struct Case {
    const char* name;
    MemorySheet::Rows rows;
    std::optional<std::uint32_t> brokenRow;
  };
  const std::vector<Case> cases = {
      {"rows of many batches, some not stored", many, {}},
      {"batches full of text before they are full of rows", longTexts, {}},
      {"a row wider than a batch's cells", wide, {}},
      {"a sheet that breaks after 700 rows", many, 1051},
      {"a sheet that breaks at its first row", many, 1},
      {"an empty sheet", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SharedTextSheet direct(c.rows), inner(c.rows);
    direct.brokenRow = inner.brokenRow = c.brokenRow;
    const std::string expected = readAll(direct);
    RowsAheadReader ahead(inner);
    // Moved back before any row is taken, as a run does first: the reading goes on as begun.
    ahead.rewind();
    EXPECT_EQ(readAll(ahead), expected);
    // It stays where it ended.
    EXPECT_EQ(readAll(ahead), c.brokenRow ? damaged().what() : "end");

    // Moved back part-way through, and again while its thread is ahead.
    ahead.rewind();
    direct.rewind();
    EXPECT_EQ(readAll(ahead, 300), readAll(direct, 300));
    ahead.rewind();
    EXPECT_EQ(readAll(ahead), expected);
    ahead.rewind();
    if (c.brokenRow != 1u && ahead.nextRow() && ahead.cell(0).kind == CellKind::Text) {
      EXPECT_TRUE(ahead.cell(0).lasting) << "a shared string is not copied";
      EXPECT_FALSE(ahead.cell(1).lasting) << "a row's own text lasts only as long as the row";
    }
  }
}

}  // namespace
}  // namespace quillmere::source
