// The named fixtures of tests/source/fixtures/xlsx (made by make-fixtures.py there): each
// readable one gives its cells, each broken one its own error kind with the file named.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>

#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "source/xlsx/XlsxWorkbook.h"

namespace quillmere::source::xlsx {
namespace {

namespace fs = std::filesystem;
using Kind = WorkbookError::Kind;

const fs::path kFixtures = fs::path(QUILLMERE_FIXTURES_DIR) / "xlsx";

std::string dumpFirstSheet(const fs::path& file, const ReadLimits& limits = {}) {
  auto workbook = openWorkbook(file, limits);
  EXPECT_NE(dynamic_cast<const XlsxWorkbook*>(workbook.get()), nullptr);
  std::ostringstream out;
  writeSheetTsv(workbook->sheet(), out);
  return out.str();
}

template <typename Fixture>
std::string fixtureName(const ::testing::TestParamInfo<Fixture>& param) {
  std::string name = param.param.file;
  for (auto& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

struct ReadableFixture {
  const char* file;
  const char* tsv;
};

void PrintTo(const ReadableFixture& f, std::ostream* out) {
  *out << f.file;
}

const char* const kBasicTsv = "Name\tEmail\tPhone\nAnn\t42\tTrue\t#N/A\n\nX\t\t\t\tinline\n";

class XlsxReadableFixture : public ::testing::TestWithParam<ReadableFixture> {};

TEST_P(XlsxReadableFixture, GivesItsCells) {
  const auto& fixture = GetParam();
  try {
    EXPECT_EQ(dumpFirstSheet(kFixtures / fixture.file), fixture.tsv);
  } catch (const WorkbookError& e) {
    FAIL() << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, XlsxReadableFixture,
    ::testing::Values(
        ReadableFixture{"basic.xlsx", kBasicTsv},
        ReadableFixture{"backslash-entry-names.xlsx", kBasicTsv},
        ReadableFixture{"unusual-targets.xlsx", kBasicTsv},
        ReadableFixture{"strict-namespaces.xlsx", kBasicTsv},
        ReadableFixture{"prefixed-elements.xlsx", kBasicTsv},
        ReadableFixture{"tab-order-not-part-order.xlsx", "2\n"},
        ReadableFixture{"chart-sheet-first.xlsx", "7\n"},
        ReadableFixture{"rich-text-and-escapes.xlsx",
                        "Bold and plain\ta\\r\\nb _x0041_ \xF0\x9F\x98\x80\tinline\ttab\\there\n"},
        ReadableFixture{"iso-dates-1904.xlsx", "1\t43890.5\n"},
        // 10:10:10 is 36,610 of 86,400 seconds, 23:59 is 86,340.
        ReadableFixture{"time-without-date.xlsx",
                        "0.423726851851852\t0.25\t45352.5\t0.999305555555556\n"}),
    fixtureName<ReadableFixture>);

struct BrokenFixture {
  const char* file;
  Kind kind;
  const char* says;  // a phrase the message must hold
  ReadLimits limits;
};

// The default limits with the ratio judged from `floor` up, for bombs too small for the default.
ReadLimits withRatioFloor(std::uint64_t floor) {
  ReadLimits limits;
  limits.inflationRatioFloorBytes = floor;
  return limits;
}

void PrintTo(const BrokenFixture& f, std::ostream* out) {
  *out << f.file;
}

ReadLimits withPartBytes(std::uint64_t bytes) {
  ReadLimits limits;
  limits.maxPartBytes = bytes;
  return limits;
}

ReadLimits withCellTextBytes(std::size_t bytes) {
  ReadLimits limits;
  limits.maxCellTextBytes = bytes;
  return limits;
}

ReadLimits withSharedStringBytes(std::uint64_t bytes) {
  ReadLimits limits;
  limits.maxSharedStringBytes = bytes;
  return limits;
}

class XlsxBrokenFixture : public ::testing::TestWithParam<BrokenFixture> {};

TEST_P(XlsxBrokenFixture, IsRefusedWithItsKindAndName) {
  const auto& fixture = GetParam();
  const fs::path file = kFixtures / fixture.file;
  try {
    dumpFirstSheet(file, fixture.limits);
    FAIL() << "read without an error";
  } catch (const WorkbookError& e) {
    const std::string message = e.what();
    EXPECT_EQ(e.kind(), fixture.kind) << message;
    EXPECT_EQ(message.rfind("\"" + file.string() + "\" ", 0), 0u) << message;
    EXPECT_NE(message.find(fixture.says), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, XlsxBrokenFixture,
    ::testing::Values(
        BrokenFixture{"zip-without-workbook.xlsx",
                      Kind::Unsupported,
                      "is not a spreadsheet Quillmere can read",
                      {}},
        BrokenFixture{"binary-workbook.xlsx", Kind::Unsupported, "Excel Binary Workbook", {}},
        BrokenFixture{"word-document.xlsx", Kind::Unsupported, "not a spreadsheet", {}},
        BrokenFixture{"no-worksheet.xlsx", Kind::NoWorksheet, "no worksheet", {}},
        BrokenFixture{"only-chart-sheets.xlsx", Kind::NoWorksheet, "no worksheet", {}},
        BrokenFixture{"missing-sheet-part.xlsx", Kind::Corrupt, "xl/worksheets/sheet1.xml", {}},
        BrokenFixture{"shared-string-index-out-of-range.xlsx",
                      Kind::Corrupt,
                      "cell A2 refers to shared string 1",
                      {}},
        BrokenFixture{"row-past-grid.xlsx", Kind::LimitExceeded, "1048576", {}},
        BrokenFixture{"column-past-xfd.xlsx", Kind::LimitExceeded, "past column XFD", {}},
        BrokenFixture{"long-cell-text.xlsx", Kind::LimitExceeded, "cell (A1)",
                      withCellTextBytes(100)},
        BrokenFixture{"large-shared-strings.xlsx", Kind::LimitExceeded, "bytes of shared strings",
                      withSharedStringBytes(300)},
        BrokenFixture{"entity-bomb.xlsx", Kind::LimitExceeded, "document type", {}},
        BrokenFixture{"broken-sheet-xml.xlsx", Kind::Corrupt, "mismatched tag", {}},
        BrokenFixture{"truncated-part.xlsx", Kind::Corrupt, "xl/worksheets/sheet1.xml", {}},
        BrokenFixture{"truncated-deflated-part.xlsx", Kind::Corrupt, "ends after 8781 of", {}},
        BrokenFixture{"bad-checksum.xlsx", Kind::Corrupt, "CRC", {}},
        BrokenFixture{"zip-bomb-stated.xlsx", Kind::LimitExceeded, "would unpack to",
                      withPartBytes(1 << 20)},
        BrokenFixture{"zip-bomb-understated.xlsx", Kind::Corrupt, "more than the 4000 bytes",
                      withPartBytes(1 << 20)},
        BrokenFixture{"encrypted-zip-entry.xlsx", Kind::Encrypted, "password", {}},
        BrokenFixture{"unknown-compression.xlsx", Kind::Unsupported, "compression method", {}},
        BrokenFixture{"cut-short.xlsx", Kind::Corrupt, "cut short", {}},
        BrokenFixture{"date-cell-not-a-date.xlsx",
                      Kind::Corrupt,
                      "B2 is marked as a date but holds \"next Tuesday\"",
                      {}},
        BrokenFixture{"entry-offset-past-end.xlsx",
                      Kind::Corrupt,
                      "points to a place far past the end of the file",
                      {}},
        BrokenFixture{"sheet-inflates-1000-times.xlsx", Kind::LimitExceeded,
                      "more than 200 times its packed size",
                      withRatioFloor(std::uint64_t{16} << 20)},
        BrokenFixture{"nested-a-million-deep.xlsx", Kind::LimitExceeded, "more than 64 deep", {}},
        BrokenFixture{"billion-laughs.xlsx", Kind::LimitExceeded, "document type", {}},
        BrokenFixture{
            "styles-broken-xml.xlsx", Kind::Corrupt, "xl/styles.xml is not well-formed", {}},
        BrokenFixture{
            "styles-missing-part.xlsx", Kind::Corrupt, "styles (xl/styles.xml) are missing", {}}),
    fixtureName<BrokenFixture>);

TEST(XlsxReader, ErrorInTheMiddleOfASheetComesFromNextRowAfterTheGoodRows) {
  auto workbook = openWorkbook(kFixtures / "broken-sheet-xml.xlsx");
  SheetReader& sheet = workbook->sheet();
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.rowNumber(), 1u);
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.rowNumber(), 2u);
  EXPECT_THROW(sheet.nextRow(), WorkbookError);
  // The cursor stays failed rather than pretending the sheet ended there.
  EXPECT_THROW(sheet.nextRow(), WorkbookError);
  sheet.rewind();
  EXPECT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.rowNumber(), 1u);
}

TEST(XlsxReader, PartCountedPastTheLimitStopsInflating) {
  // The part states 4000 bytes; a limit below that refuses it before any inflating.
  try {
    openWorkbook(kFixtures / "zip-bomb-understated.xlsx", withPartBytes(3000));
    FAIL() << "opened";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::LimitExceeded) << e.what();
  }
}

TEST(XlsxReader, InflationRatioSparesPartsBelowItsFloor) {
  // basic.xlsx's parts shrink a few times each. Below the floor no ratio matters; with no
  // floor, a ratio of one refuses the first part that was packed smaller at all.
  ReadLimits strict;
  strict.maxInflationRatio = 1;
  EXPECT_EQ(dumpFirstSheet(kFixtures / "basic.xlsx", strict), kBasicTsv);
  strict.inflationRatioFloorBytes = 0;
  try {
    dumpFirstSheet(kFixtures / "basic.xlsx", strict);
    FAIL() << "read past a ratio of one";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::LimitExceeded) << e.what();
    EXPECT_NE(std::string(e.what()).find("_rels/.rels would unpack from"), std::string::npos)
        << e.what();
  }
}

TEST(XlsxReader, ABombThatStatesItsSizeIsRefusedBeforeInflating) {
  // The sheet packs 24 MiB into 26 KB. With the ratio judged from 16 MiB it is refused on its
  // stated sizes (as the table above checks), yet stays a good workbook in every other way: a
  // ratio allowance above its own reads it.
  ReadLimits generous = withRatioFloor(std::uint64_t{16} << 20);
  generous.maxInflationRatio = 2000;
  EXPECT_NE(dumpFirstSheet(kFixtures / "sheet-inflates-1000-times.xlsx", generous).find("199\n"),
            std::string::npos);
}

TEST(XlsxReader, RewindReadsTheSameRowsAgain) {
  auto workbook = openWorkbook(kFixtures / "basic.xlsx");
  SheetReader& sheet = workbook->sheet();
  std::ostringstream first, second;
  writeSheetTsv(sheet, first);
  EXPECT_FALSE(sheet.nextRow());
  sheet.rewind();
  EXPECT_EQ(sheet.rowNumber(), 0u);
  writeSheetTsv(sheet, second);
  EXPECT_EQ(first.str(), kBasicTsv);
  EXPECT_EQ(second.str(), first.str());
}

TEST(XlsxReader, GridHasAMillionRows) {
  auto workbook = openWorkbook(kFixtures / "basic.xlsx");
  EXPECT_EQ(workbook->sheet().gridRows(), 1048576u);
}

TEST(XlsxReader, CellKindsOfTheBasicFixture) {
  auto workbook = openWorkbook(kFixtures / "basic.xlsx");
  SheetReader& sheet = workbook->sheet();
  ASSERT_TRUE(sheet.nextRow());
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.rowNumber(), 2u);
  EXPECT_EQ(sheet.cell(0).kind, CellKind::Text);
  EXPECT_EQ(sheet.cell(1).kind, CellKind::Number);
  EXPECT_EQ(sheet.cell(1).number, 42.0);
  EXPECT_EQ(sheet.cell(2).kind, CellKind::Boolean);
  EXPECT_EQ(sheet.cell(3).kind, CellKind::Error);
  EXPECT_EQ(sheet.cell(3).text, "#N/A");
  EXPECT_EQ(sheet.cell(4).kind, CellKind::Empty);
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.rowNumber(), 4u);
  EXPECT_EQ(sheet.cellCount(), 5u);
  EXPECT_EQ(sheet.cell(1).kind, CellKind::Empty);  // styled, no value
  EXPECT_EQ(sheet.cell(2).kind, CellKind::Empty);  // formula without a cached value
  EXPECT_FALSE(sheet.nextRow());
  EXPECT_EQ(sheet.cellCount(), 0u);
}

}  // namespace
}  // namespace quillmere::source::xlsx
