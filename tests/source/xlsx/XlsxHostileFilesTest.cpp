// Hostile and extreme workbooks: each ends in its own clear error or a correct read, within
// 256 MiB and 10 seconds (generous bounds for correctness, not benchmarks). Each read runs in
// a child process so that its peak memory is its own.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>

#include "source/CellTextForm.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "tests/source/BoundedRun.h"
#include "tests/source/xlsx/GeneratedWorkbook.h"

namespace quillmere::source::xlsx {
namespace {

namespace fs = std::filesystem;
using Kind = WorkbookError::Kind;
using source::testing::BoundedRun;
using source::testing::runBounded;

const fs::path kFixtures = fs::path(QUILLMERE_FIXTURES_DIR) / "xlsx";

// Reads every cell of the first sheet; gives the number of rows with a value.
std::string readWhole(const fs::path& file) {
  auto workbook = openWorkbook(file);
  SheetReader& sheet = workbook->firstSheet();
  std::size_t rows = 0;
  std::string text;
  while (sheet.nextRow()) {
    ++rows;
    for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
      text.clear();
      appendTextForm(text, sheet.cell(c));
    }
  }
  return std::to_string(rows) + " rows";
}

void expectWithinBounds(const BoundedRun& run) {
  EXPECT_LT(run.seconds, source::testing::timeBoundSeconds()) << run.outcome;
  if (source::testing::memoryIsMeasured()) {
    EXPECT_LT(run.peakBytes, source::testing::kMemoryBoundBytes) << run.outcome;
  }
}

struct HostileFile {
  const char* file;
  Kind kind;
  const char* says;  // a phrase the message must hold
};

void PrintTo(const HostileFile& f, std::ostream* out) {
  *out << f.file;
}

class XlsxHostileFile : public ::testing::TestWithParam<HostileFile> {};

TEST_P(XlsxHostileFile, IsRefusedByNameWithinBounds) {
  const HostileFile& param = GetParam();
  const fs::path file = kFixtures / param.file;
  const BoundedRun run = runBounded([&file] { return readWhole(file); });
  const std::string expected = "WorkbookError " + std::to_string(static_cast<int>(param.kind)) +
                               ": \"" + file.string() + "\" ";
  EXPECT_EQ(run.outcome.rfind(expected, 0), 0u) << run.outcome;
  EXPECT_NE(run.outcome.find(param.says), std::string::npos) << run.outcome;
  expectWithinBounds(run);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, XlsxHostileFile,
    ::testing::Values(
        HostileFile{"sheet-inflates-1000-times.xlsx", Kind::LimitExceeded,
                    "xl/worksheets/sheet1.xml would unpack from"},
        HostileFile{"shared-strings-inflate-1000-times.xlsx", Kind::LimitExceeded,
                    "xl/sharedStrings.xml would unpack from"},
        HostileFile{"zip-bomb-understated.xlsx", Kind::Corrupt, "more than the 4000 bytes"},
        HostileFile{"truncated-part.xlsx", Kind::Corrupt, "sheet1.xml cannot be unpacked"},
        HostileFile{"compressed-size-understated.xlsx", Kind::Corrupt, "xl/worksheets/sheet1.xml"},
        HostileFile{"entry-offset-past-end.xlsx", Kind::Corrupt, "is damaged"},
        HostileFile{"billion-laughs.xlsx", Kind::LimitExceeded, "document type"},
        HostileFile{"nested-a-million-deep.xlsx", Kind::LimitExceeded,
                    "nests XML elements more than 64 deep"},
        HostileFile{"shared-string-index-out-of-range.xlsx", Kind::Corrupt,
                    "cell A2 refers to shared string 1"},
        HostileFile{"cell-past-xfd1048576.xlsx", Kind::LimitExceeded, "past column XFD"}),
    [](const auto& fixture) {
      std::string name = fixture.param.file;
      for (auto& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(XlsxHostileFile, ACellOfTheMaximumLengthReadsWhole) {
  // The fixture's A1 holds 32,767 characters of "Ann é€ " repeated, B1 the same reversed.
  const std::string pattern[] = {"A", "n", "n", " ", "\xC3\xA9", "\xE2\x82\xAC", " "};
  std::string forward, backward;
  for (std::size_t i = 0; i < 32767; ++i)
    forward += pattern[i % 7];
  for (std::size_t i = 32767; i-- > 0;)
    backward += pattern[i % 7];
  const fs::path file = kFixtures / "cell-of-32767-characters.xlsx";
  const BoundedRun run = runBounded([&] {
    auto workbook = openWorkbook(file);
    SheetReader& sheet = workbook->firstSheet();
    if (!sheet.nextRow()) return std::string("no row");
    const bool same =
        sheet.cellCount() == 2 && sheet.cell(0).text == forward && sheet.cell(1).text == backward;
    return std::string(same ? "both cells whole" : "cells differ");
  });
  EXPECT_EQ(run.outcome, "ok: both cells whole");
  expectWithinBounds(run);
}

TEST(XlsxHostileFile, ARowOfEveryColumnReadsWhole) {
  const fs::path file = kFixtures / "row-of-16384-columns.xlsx";
  const BoundedRun run = runBounded([&file] {
    auto workbook = openWorkbook(file);
    SheetReader& sheet = workbook->firstSheet();
    if (!sheet.nextRow() || sheet.cellCount() != 16384) return std::string("not 16384 cells");
    for (std::size_t c = 0; c < 16384; ++c) {
      if (sheet.cell(c).number != static_cast<double>(c + 1)) {
        return "column " + std::to_string(c) + " differs";
      }
    }
    return std::string(sheet.nextRow() ? "more rows" : "every column");
  });
  EXPECT_EQ(run.outcome, "ok: every column");
  expectWithinBounds(run);
}

TEST(XlsxHostileFile, EveryRowOfTheGridInOneColumnReads) {
  // About 40 MB of sheet XML: generated here rather than committed.
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "every-row.xlsx";
  {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    xml.reserve(44u << 20);
    for (std::uint32_t r = 1; r <= 1048576; ++r) {
      const std::string n = std::to_string(r);
      xml += "<row r=\"" + n + "\"><c r=\"A" + n + "\"><v>" + n + "</v></c></row>";
    }
    xml += "</sheetData></worksheet>";
    testing::writeOneSheetWorkbook(file, xml);
  }
  const BoundedRun run = runBounded([&file] {
    auto workbook = openWorkbook(file);
    SheetReader& sheet = workbook->firstSheet();
    std::uint32_t expected = 0;
    while (sheet.nextRow()) {
      ++expected;
      if (sheet.rowNumber() != expected || sheet.cellCount() != 1 ||
          sheet.cell(0).number != static_cast<double>(expected)) {
        return "row " + std::to_string(expected) + " differs";
      }
    }
    return std::to_string(expected) + " rows";
  });
  EXPECT_EQ(run.outcome, "ok: 1048576 rows");
  expectWithinBounds(run);
}

}  // namespace
}  // namespace quillmere::source::xlsx
