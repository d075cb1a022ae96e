#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "source/SheetReader.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::source::csv {

// A stored row as the tests compare it: its number and its cells' text ("" for empty).
struct DumpedRow {
  std::uint32_t row = 0;
  std::vector<std::string> cells;
  friend bool operator==(const DumpedRow&, const DumpedRow&) = default;
};

inline void PrintTo(const DumpedRow& r, std::ostream* out) {
  *out << r.row << ":";
  for (const auto& c : r.cells)
    *out << " [" << c << "]";
}

// Reads every row to its end, checking that non-empty cells are text and empty ones Empty.
inline std::vector<DumpedRow> dumpRows(SheetReader& sheet) {
  std::vector<DumpedRow> rows;
  while (sheet.nextRow()) {
    DumpedRow r{sheet.rowNumber(), {}};
    for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
      const CellValue cell = sheet.cell(c);
      EXPECT_EQ(cell.kind, cell.text.empty() ? CellKind::Empty : CellKind::Text)
          << "row " << r.row << " column " << c;
      r.cells.emplace_back(cell.text);
    }
    EXPECT_EQ(sheet.cell(sheet.cellCount()).kind, CellKind::Empty);
    rows.push_back(std::move(r));
  }
  return rows;
}

// A scratch folder per test, removed afterwards.
class CsvTestFolder : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::string& name, const std::string& bytes) {
    const auto path = dir_ / name;
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
    return path;
  }

  quillmere::test::ScratchFolder dir_{"csv"};
};

}  // namespace quillmere::source::csv
