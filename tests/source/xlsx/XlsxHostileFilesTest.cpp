// Hostile and extreme workbooks: each ends in its own clear error or a correct read, within
// 256 MiB and 10 seconds (generous bounds for correctness, not benchmarks). Each read runs in
// a child process so that its peak memory is its own.
#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
  SheetReader& sheet = workbook->sheet();
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

// Parts of 24 MiB packed a thousand times: their size, not their ratio, bounds the cost; the
// strings' one is refused for its 2 MiB string, past the cell limit.
TEST(XlsxHostileFile, SmallPartsPackedAThousandTimesEndWithinBounds) {
  const std::string limit =
      "WorkbookError " + std::to_string(static_cast<int>(Kind::LimitExceeded)) + ": \"";
  struct Case {
    const char* file;
    std::string outcome;  // how the outcome starts
  };
  for (const Case& c : {
           Case{"sheet-inflates-1000-times.xlsx", "ok: 199 rows"},
           Case{"shared-strings-inflate-1000-times.xlsx",
                limit + (kFixtures / "shared-strings-inflate-1000-times.xlsx").string() +
                    "\" holds shared string 1 longer than"},
       }) {
    const fs::path file = kFixtures / c.file;
    const BoundedRun run = runBounded([&file] { return readWhole(file); });
    EXPECT_EQ(run.outcome.rfind(c.outcome, 0), 0u) << run.outcome;
    expectWithinBounds(run);
  }
}

constexpr std::string_view kSheetStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
    "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
constexpr std::string_view kSheetEnd = "</sheetData></worksheet>";

struct Bomb {
  const char* name;
  testing::RepeatedPart sheet;
  std::optional<testing::RepeatedPart> strings;
  Kind kind;
  const char* says;
};

void PrintTo(const Bomb& b, std::ostream* out) {
  *out << b.name;
}

testing::RepeatedPart filler(std::uint64_t mebibytes, std::optional<std::uint64_t> stated = {},
                             std::optional<std::uint64_t> statedPacked = {}) {
  return {.head = std::string(kSheetStart) + "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>",
          .body = std::string(1 << 20, ' '),
          .times = mebibytes,
          .tail = std::string(kSheetEnd),
          .statedSize = stated,
          .statedPackedSize = statedPacked};
}

std::vector<Bomb> bombs() {
  const std::string oneString = std::string(kSheetStart) +
                                "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>" +
                                std::string(kSheetEnd);
  return {
      // 3.9 GiB of spaces, just under the part-size limit, its size stated truly.
      {"filler-3900-mib", filler(3994), std::nullopt, Kind::LimitExceeded,
       "xl/worksheets/sheet1.xml would unpack from"},
      // The same, stating a packed size of 4 GiB that the file has not got.
      {"filler-states-a-packed-size-past-the-file", filler(3994, std::nullopt, 0xFFFFFFF0u),
       std::nullopt, Kind::LimitExceeded, "xl/worksheets/sheet1.xml would unpack from"},
      // The same, stating 200 MiB, below the ratio's floor: refused once it unpacks more.
      {"filler-understates-its-size", filler(3994, std::uint64_t{200} << 20), std::nullopt,
       Kind::Corrupt, "more than the 209715200 bytes"},
      // 985 MiB of shared strings, which would all be kept.
      {"shared-strings-985-mib", testing::wholePart(oneString),
       testing::RepeatedPart{
           .head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst "
                   "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">",
           .body = "<si><t>" + std::string((1 << 20) - 17, 'a') + "</t></si>",
           .times = 985,
           .tail = "</sst>",
           .statedSize = std::nullopt,
           .statedPackedSize = std::nullopt},
       Kind::LimitExceeded, "xl/sharedStrings.xml would unpack from"},
  };
}

class XlsxBomb : public ::testing::TestWithParam<Bomb> {};

TEST_P(XlsxBomb, IsRefusedWithinBounds) {
  const Bomb& bomb = GetParam();
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / (std::string(bomb.name) + ".xlsx");
  testing::writeRepeatedWorkbook(file, bomb.sheet, bomb.strings);
  // The bound means something only well below what the bomb unpacks to.
  const std::uint64_t unpacked =
      std::max(bomb.sheet.size(), bomb.strings ? bomb.strings->size() : 0);
  ASSERT_GT(unpacked, 3 * source::testing::kMemoryBoundBytes);
  const BoundedRun run = runBounded([&file] { return readWhole(file); });
  const std::string expected = "WorkbookError " + std::to_string(static_cast<int>(bomb.kind)) +
                               ": \"" + file.string() + "\" ";
  EXPECT_EQ(run.outcome.rfind(expected, 0), 0u) << run.outcome;
  EXPECT_NE(run.outcome.find(bomb.says), std::string::npos) << run.outcome;
  expectWithinBounds(run);
  std::cout << "[ figures  ] " << bomb.name << ": " << fs::file_size(file) << " bytes unpack to "
            << unpacked << "; refused in " << run.seconds << " s, peak " << (run.peakBytes >> 20)
            << " MiB\n";
}

INSTANTIATE_TEST_SUITE_P(Generated, XlsxBomb, ::testing::ValuesIn(bombs()), [](const auto& bomb) {
  std::string name = bomb.param.name;
  for (auto& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
});

// The packed and unpacked sizes of the sheet part, as the zip directory states them.
std::pair<std::uint64_t, std::uint64_t> sheetSizes(const fs::path& file) {
  int code = 0;
  zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY, &code);
  zip_stat_t stat;
  zip_stat_init(&stat);
  const bool found =
      archive != nullptr && zip_stat(archive, "xl/worksheets/sheet1.xml", 0, &stat) == 0;
  if (archive != nullptr) zip_discard(archive);
  return found ? std::pair{stat.comp_size, stat.size}
               : std::pair{std::uint64_t{0}, std::uint64_t{0}};
}

// Real sheets that pack far more than whole workbooks usually do: each must be more than
// 16 MiB packed more than 100 times, and read exactly.
void expectPacksHardAndReads(const fs::path& file, const std::function<std::string()>& check) {
  const auto [packed, unpacked] = sheetSizes(file);
  ASSERT_GT(packed, 0u);
  ASSERT_GT(unpacked, std::uint64_t{16} << 20);
  ASSERT_GT(unpacked, 100 * packed);
  const BoundedRun run = runBounded(check);
  EXPECT_EQ(run.outcome, "ok: every cell");
  expectWithinBounds(run);
  std::cout << "[ figures  ] " << file.filename().string() << ": " << unpacked << " bytes packed "
            << unpacked / packed << " times; read in " << run.seconds << " s, peak "
            << (run.peakBytes >> 20) << " MiB\n";
}

TEST(XlsxHostileFile, ManyIdenticalStyledRowsRead) {
  // Each row styles 100 columns, as when formatting is dragged down a sheet; A holds a name.
  constexpr std::uint32_t kRows = 40000;
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "styled-rows.xlsx";
  {
    std::string xml(kSheetStart);
    std::string emptyCells;
    for (int c = 1; c < 100; ++c)
      emptyCells += "<c s=\"3\"/>";
    for (std::uint32_t r = 1; r <= kRows; ++r) {
      const std::string n = std::to_string(r);
      xml +=
          "<row r=\"" + n +
          "\" spans=\"1:100\" s=\"3\" customFormat=\"1\" ht=\"12.75\" customHeight=\"1\"><c r=\"A" +
          n + "\" s=\"3\" t=\"inlineStr\"><is><t>Ann</t></is></c>" + emptyCells + "</row>";
    }
    xml += kSheetEnd;
    testing::writePackedOneSheetWorkbook(file, xml);
  }
  expectPacksHardAndReads(file, [&file] {
    auto workbook = openWorkbook(file);
    SheetReader& sheet = workbook->sheet();
    std::uint32_t expected = 0;
    while (sheet.nextRow()) {
      ++expected;
      if (sheet.rowNumber() != expected || sheet.cell(0).kind != CellKind::Text ||
          sheet.cell(0).text != "Ann") {
        return "row " + std::to_string(expected) + " differs";
      }
      for (std::size_t c = 1; c < sheet.cellCount(); ++c) {
        if (sheet.cell(c).kind != CellKind::Empty)
          return "row " + std::to_string(expected) + " has a value";
      }
    }
    return std::string(expected == kRows ? "every cell" : "rows missing");
  });
}

TEST(XlsxHostileFile, TwentyMegabytesOfCommentsRead) {
  // 2,000 rows, each followed by a 10 KB comment, as some tools leave notes in a sheet.
  constexpr std::uint32_t kRows = 2000;
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "comments.xlsx";
  {
    std::string comment = "<!--";
    while (comment.size() < 10000)
      comment += " kept for the audit trail;";
    comment += " -->";
    std::string xml(kSheetStart);
    for (std::uint32_t r = 1; r <= kRows; ++r) {
      const std::string n = std::to_string(r);
      xml += "<row r=\"" + n + "\"><c r=\"A" + n + "\"><v>" + n + "</v></c><c r=\"B" + n +
             "\" t=\"inlineStr\"><is><t>Contact " + n + "</t></is></c></row>" + comment;
    }
    xml += kSheetEnd;
    testing::writePackedOneSheetWorkbook(file, xml);
  }
  expectPacksHardAndReads(file, [&file] {
    auto workbook = openWorkbook(file);
    SheetReader& sheet = workbook->sheet();
    std::uint32_t expected = 0;
    while (sheet.nextRow()) {
      ++expected;
      if (sheet.rowNumber() != expected || sheet.cellCount() != 2 ||
          sheet.cell(0).number != static_cast<double>(expected) ||
          sheet.cell(1).text != "Contact " + std::to_string(expected)) {
        return "row " + std::to_string(expected) + " differs";
      }
    }
    return std::string(expected == kRows ? "every cell" : "rows missing");
  });
}

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
    SheetReader& sheet = workbook->sheet();
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
    SheetReader& sheet = workbook->sheet();
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
    SheetReader& sheet = workbook->sheet();
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
