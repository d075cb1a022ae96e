#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "source/load/DataRowWalk.h"
#include "tests/support/MemorySheet.h"

namespace quillmere::source {
namespace {

using namespace std::string_literals;
using test::MemorySheet;

struct Case {
  const char* name = "";
  MemorySheet::Rows rows;
  std::size_t headerCount = 1;
  std::uint32_t headerRow = 1;
  std::uint32_t lastRow = DataRowWalk::kNoLastRow;
  std::uint32_t gridRows = 0;  // 0 leaves the most rows a workbook holds
  std::vector<std::uint32_t> visits;
  bool endedAtEmptyRows = false;
};

// `rows` with `count` stored rows of text of length 0 from `first` on.
MemorySheet::Rows withBlankRows(MemorySheet::Rows rows, std::uint32_t first, std::uint32_t count) {
  for (std::uint32_t row = first; row < first + count; ++row)
    rows[row] = {""s};
  return rows;
}

TEST(DataRowWalk, VisitsEveryDataRowUpToTheFifthConsecutiveEmptyRowOrTheLastRow) {
  const std::vector<Case> cases = {
      {.name = "contiguous data rows",
       .rows = {{1, {"H"s}}, {2, {"a"s}}, {3, {"b"s}}, {4, {"c"s}}},
       .visits = {2, 3, 4}},
      {.name = "a header-only sheet", .rows = {{1, {"H"s}}}, .visits = {}},
      {.name = "stored and unstored empty rows inside the data are skipped",
       .rows = {{1, {"Name"s}},
                {2, {"Ann"s}},
                {3, {"Bob"s}},
                {4, {""s, ""s}},
                {6, {"Cy"s}},
                {8, {"Di"s}}},
       .visits = {2, 3, 6, 8}},
      {.name = "four unstored empty rows do not end the data",
       .rows = {{1, {"H"s}}, {3, {"a"s}}, {8, {"b"s}}},
       .visits = {3, 8}},
      {.name = "five unstored empty rows end the data",
       .rows = {{1, {"H"s}}, {3, {"a"s}}, {9, {"b"s}}},
       .visits = {3},
       .endedAtEmptyRows = true},
      {.name = "four stored empty rows do not end the data",
       .rows = withBlankRows({{1, {"H"s}}, {2, {"a"s}}, {7, {"b"s}}}, 3, 4),
       .visits = {2, 7}},
      {.name = "five stored empty rows end the data",
       .rows = withBlankRows({{1, {"H"s}}, {2, {"a"s}}, {8, {"b"s}}}, 3, 5),
       .visits = {2},
       .endedAtEmptyRows = true},
      {.name = "four empty rows right under the header do not end the data",
       .rows = {{1, {"H"s}}, {6, {"a"s}}},
       .visits = {6}},
      {.name = "five empty rows right under the header end the data",
       .rows = {{1, {"H"s}}, {7, {"a"s}}},
       .visits = {},
       .endedAtEmptyRows = true},
      {.name = "stored, unstored and right-only empty rows make one run",
       .rows = {{1, {"H"s}},
                {2, {"a"s}},
                {3, {""s}},
                {5, {""s}},
                {6, {""s}},
                {7, {""s, "right of the headers"s}},
                {8, {"b"s}}},
       .visits = {2},
       .endedAtEmptyRows = true},
      {.name = "text only right of the header columns counts as empty",
       .rows = {{1, {"Name"s, "Mail"s, ""s, "Stray"s}}, {2, {""s, ""s, "x"s, "y"s}}, {3, {"Ann"s}}},
       .headerCount = 2,
       .visits = {3}},
      {.name = "text in the last header column alone makes a data row",
       .rows = {{1, {"A"s, "B"s, "C"s}}, {2, {""s}}, {3, {""s, ""s, "c"s}}},
       .headerCount = 3,
       .visits = {3}},
      {.name = "numbers, error values and spaces are text; text of length 0 is not",
       .rows = {{1, {"H"s, "I"s}},
                {2, {""s, 0.0}},
                {3, {MemorySheet::Error{"#N/A"}}},
                {4, {" "s}},
                {5, {""s, ""s}},
                {6, {MemorySheet::Styled{7, 1}}}},
       .headerCount = 2,
       .visits = {2, 3, 4, 6}},
      {.name = "empty rows up to the sheet's end do not end at empty rows",
       .rows = withBlankRows({{1, {"H"s}}, {2, {"a"s}}}, 3, 4),
       .visits = {2}},
      {.name = "data rows run to the sheet's last grid row",
       .rows = {{1, {"H"s}}, {2, {"a"s}}, {3, {"b"s}}, {4, {"c"s}}, {6, {"d"s}}},
       .gridRows = 6,
       .visits = {2, 3, 4, 6}},
      {.name = "rows past the last row are not visited",
       .rows = {{1, {"H"s}}, {2, {"a"s}}, {3, {"b"s}}, {4, {""s}}, {6, {"c"s}}, {7, {"late"s}}},
       .lastRow = 6,
       .visits = {2, 3, 6}},
      {.name = "a last row inside a gap",
       .rows = {{1, {"H"s}}, {2, {"a"s}}, {3, {"b"s}}, {6, {"c"s}}},
       .lastRow = 4,
       .visits = {2, 3}},
      {.name = "a last row before the fifth empty row ends the walk, not the empty rows",
       .rows = {{1, {"H"s}}, {2, {"a"s}}, {9, {"b"s}}},
       .lastRow = 6,
       .visits = {2}},
      {.name = "rows above a header row further down are not data",
       .rows = {{1, {"Contacts 2026"s}}, {3, {"Name"s}}, {4, {"Ann"s}}, {9, {"Bob"s}}},
       .headerRow = 3,
       .visits = {4, 9}},
      {.name = "the empty rows ending the data count from a header row further down",
       .rows = {{2, {"Name"s}}, {3, {"Ann"s}}, {9, {"late"s}}},
       .headerRow = 2,
       .visits = {3},
       .endedAtEmptyRows = true},
  };
  for (const Case& c : cases) {
    // The loader starts the walk on the header row, a run or a preview before it.
    for (const bool onHeader : {false, true}) {
      MemorySheet sheet(c.rows);
      if (c.gridRows > 0) sheet.setGridRows(c.gridRows);
      if (onHeader) {
        while (sheet.rowNumber() < c.headerRow)
          ASSERT_TRUE(sheet.nextRow()) << c.name;
      }
      DataRowWalk walk(c.headerCount, c.headerRow, c.lastRow);
      std::vector<std::uint32_t> visited;
      while (walk.next(sheet))
        visited.push_back(sheet.rowNumber());
      EXPECT_EQ(visited, c.visits) << c.name << (onHeader ? ", on the header" : "");
      EXPECT_EQ(walk.endedAtEmptyRows(), c.endedAtEmptyRows) << c.name;
      // A preview steps past the end to find that the sheet has fewer rows than loaded.
      EXPECT_FALSE(walk.next(sheet)) << c.name;
    }
  }
}

TEST(DataRowWalk, OverATableStopsWhereItsLoadDid) {
  const MemorySheet::Rows rows = {{1, {"H"s}}, {2, {"a"s}}, {3, {"b"s}}, {4, {"c"s}}};
  const struct {
    const char* name;
    bool rowsCounted;
    std::uint32_t lastCountedRow;
    std::vector<std::uint32_t> visits;
  } cases[] = {
      {"every row counted", true, 4, {2, 3, 4}},
      {"a row added after the load", true, 3, {2, 3}},
      {"only the header row read", false, 0, {2, 3, 4}},
  };
  for (const auto& c : cases) {
    SheetTable table;
    table.headers = {{0, "A", "H"}};
    table.rowsCounted = c.rowsCounted;
    table.lastCountedRow = c.lastCountedRow;
    MemorySheet sheet(rows);
    auto walk = DataRowWalk::over(table);
    std::vector<std::uint32_t> visited;
    while (walk.next(sheet))
      visited.push_back(sheet.rowNumber());
    EXPECT_EQ(visited, c.visits) << c.name;
  }
}

}  // namespace
}  // namespace quillmere::source
