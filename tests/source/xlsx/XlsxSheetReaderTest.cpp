// The worksheet row cursor, fed sheet XML from memory.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "source/CellTextForm.h"
#include "source/WorkbookError.h"
#include "source/xlsx/XmlStream.h"
#include "tests/source/xlsx/SheetXml.h"

namespace quillmere::source::xlsx {
namespace {

using Kind = WorkbookError::Kind;
using testing::sheetReader;
using testing::tsv;
using testing::worksheet;

std::unique_ptr<XlsxSharedStrings> sharedStrings(const std::string& items,
                                                 std::size_t chunkBytes = 65536) {
  auto strings = std::make_unique<XlsxSharedStrings>();
  XmlStream stream("contacts.xlsx", "xl/sharedStrings.xml", *strings, chunkBytes);
  stream.reset(std::make_unique<MemoryPartSource>(
      "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" + items +
      "</sst>"));
  stream.parseAll();
  return strings;
}

// One sheet with every kind of cell and markup, to be read at every chunk size.
const std::string kEverything = worksheet(
    "<row r=\"1\" spans=\"1:4\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
    "<c r=\"D1\" t=\"inlineStr\"><is><r><t>rich </t></r><r><rPr><b/></rPr><t>text</t></r>"
    "<rPh sb=\"0\" eb=\"1\"><t>skip</t></rPh></is></c></row>"
    "<row r=\"3\"><c r=\"A3\"><v>3.25</v></c><c r=\"B3\" t=\"b\"><v>0</v></c>"
    "<c r=\"C3\" t=\"e\"><v>#DIV/0!</v></c><c r=\"D3\" t=\"str\"><f>A1</f><v>a_x000A_b</v></c>"
    "<c r=\"E3\" s=\"2\"/><c r=\"F3\"><f>NOW()</f></c></row>"
    "<row><c><v>1E+20</v></c><c t=\"inlineStr\"><is><t>x &amp; y &#x263A; <![CDATA[<z>]]></t>"
    "</is></c></row>"
    "<row r=\"6\"/>"
    "<x:row xmlns:x=\"urn:any\" x:r=\"7\"><x:c x:r=\"B7\"><x:v>-0.5</x:v></x:c></x:row>");
const char* const kEverythingTsv =
    "Name\tE-mail\t\trich text\n"
    "\n"
    "3.25\tFalse\t#DIV/0!\ta\\nb\n"
    "1E+20\tx & y \xE2\x98\xBA <z>\n"
    "\n"
    "\n"
    "\t-0.5\n";

TEST(XlsxSheetReader, TinyChunksGiveTheSameRowsAsWholeBuffers) {
  const auto held = sharedStrings("<si><t>Name</t></si><si><t>E-mail</t></si>");
  const XlsxSharedStrings& strings = *held;
  auto whole = sheetReader(kEverything, strings);
  ASSERT_EQ(tsv(*whole), kEverythingTsv);
  for (std::size_t chunk : {1, 2, 3, 4, 5, 7, 64}) {
    auto reader = sheetReader(kEverything, strings, chunk);
    EXPECT_EQ(tsv(*reader), kEverythingTsv) << "chunk " << chunk;
  }
}

TEST(XlsxSheetReader, RowsWithoutNumbersFollowThePreviousRow) {
  const XlsxSharedStrings strings;
  auto reader = sheetReader(worksheet("<row><c><v>1</v></c></row><row r=\"5\"><c><v>5</v></c></row>"
                                      "<row><c><v>6</v></c><c><v>7</v></c><c r=\"E6\"><v>8</v></c>"
                                      "<c><v>9</v></c></row>"),
                            strings);
  std::vector<std::uint32_t> rows;
  while (reader->nextRow())
    rows.push_back(reader->rowNumber());
  EXPECT_EQ(rows, (std::vector<std::uint32_t>{1, 5, 6}));
  reader->rewind();
  EXPECT_EQ(tsv(*reader), "1\n\n\n\n5\n6\t7\t\t\t8\t9\n");
}

TEST(XlsxSheetReader, RowWithoutNumberTakesItFromItsFirstCell) {
  const XlsxSharedStrings strings;
  auto reader = sheetReader(worksheet("<row><c r=\"C4\"><v>1</v></c></row>"), strings);
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->rowNumber(), 4u);
  EXPECT_EQ(reader->cellCount(), 3u);
}

TEST(XlsxSheetReader, RowsWithoutValuesAreSkipped) {
  const XlsxSharedStrings strings;
  auto reader =
      sheetReader(worksheet("<row r=\"1\"/><row r=\"2\"><c r=\"A2\" s=\"1\"/></row>"
                            "<row r=\"3\"><c r=\"B3\"><v>1</v></c><c r=\"C3\" s=\"1\"/></row>"),
                  strings);
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->rowNumber(), 3u);
  EXPECT_EQ(reader->cellCount(), 2u);
  EXPECT_EQ(reader->cell(0).kind, CellKind::Empty);
  EXPECT_EQ(reader->cell(1).number, 1.0);
  EXPECT_EQ(reader->cell(99).kind, CellKind::Empty);
  EXPECT_FALSE(reader->nextRow());
}

TEST(XlsxSheetReader, RewindInTheMiddleStartsAtTheFirstRow) {
  const XlsxSharedStrings strings;
  auto reader =
      sheetReader(worksheet("<row r=\"1\"><c><v>1</v></c></row><row r=\"2\"><c><v>2</v></c></row>"),
                  strings, 3);
  ASSERT_TRUE(reader->nextRow());
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->rowNumber(), 2u);
  reader->rewind();
  EXPECT_EQ(reader->rowNumber(), 0u);
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->rowNumber(), 1u);
  EXPECT_EQ(reader->cell(0).number, 1.0);
}

TEST(XlsxSheetReader, SheetWithoutRowsEndsAtOnce) {
  const XlsxSharedStrings strings;
  auto reader = sheetReader(worksheet(""), strings);
  EXPECT_FALSE(reader->nextRow());
  EXPECT_FALSE(reader->nextRow());
}

TEST(XlsxSheetReader, LastRowOfTheGridIsRead) {
  const XlsxSharedStrings strings;
  auto reader =
      sheetReader(worksheet("<row r=\"1048576\"><c r=\"XFD1048576\"><v>1</v></c></row>"), strings);
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->rowNumber(), 1048576u);
  EXPECT_EQ(reader->cellCount(), 16384u);
}

struct CellCase {
  const char* name;
  const char* cellXml;  // one <c> in row 1
  CellKind kind;
  const char* textForm;
};

void PrintTo(const CellCase& c, std::ostream* out) {
  *out << c.name;
}

class XlsxCellValue : public ::testing::TestWithParam<CellCase> {};

// Enough bytes after a row that its cells in the common shapes are read in one pass when the
// whole part is at hand, as they are in a real sheet.
const std::string kRowAfter = "<row r=\"9\">" + [] {
  std::string cells;
  for (char column = 'A'; column <= 'F'; ++column)
    cells += std::string("<c r=\"") + column + "9\"><v>1</v></c>";
  return cells;
}() + "</row>";

TEST_P(XlsxCellValue, ReadsAsItsKindAndTextForm) {
  const auto& param = GetParam();
  const auto held = sharedStrings("<si><t>first</t></si><si><t>second</t></si>");
  const XlsxSharedStrings& strings = *held;
  for (std::size_t chunk : {1, 65536}) {
    auto reader = sheetReader(worksheet(std::string("<row r=\"1\">") + param.cellXml +
                                        "<c r=\"Z1\"><v>0</v></c></row>" + kRowAfter),
                              strings, chunk);
    ASSERT_TRUE(reader->nextRow());
    const CellValue cell = reader->cell(0);
    EXPECT_EQ(cell.kind, param.kind) << "chunk " << chunk;
    EXPECT_EQ(textForm(cell), param.textForm) << "chunk " << chunk;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, XlsxCellValue,
    ::testing::Values(
        CellCase{"Number", "<c r=\"A1\"><v>1.5</v></c>", CellKind::Number, "1.5"},
        CellCase{"TypedNumberWithSpaces", "<c r=\"A1\" t=\"n\"><v> 7 </v></c>", CellKind::Number,
                 "7"},
        CellCase{"PlusSign", "<c r=\"A1\"><v>+5</v></c>", CellKind::Number, "5"},
        CellCase{"Subnormal", "<c r=\"A1\"><v>1E-308</v></c>", CellKind::Number, "1E-308"},
        CellCase{"SharedString", "<c r=\"A1\" t=\"s\"><v>1</v></c>", CellKind::Text, "second"},
        // A column named twice holds the later cell, however each of the two was read.
        CellCase{"SharedStringTwice",
                 "<c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"A1\" t=\"s\"><v>1</v></c>", CellKind::Text,
                 "second"},
        CellCase{
            "SharedStringThenInline",
            "<c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"A1\" t=\"inlineStr\"><is><t>x</t></is></c>",
            CellKind::Text, "x"},
        CellCase{
            "InlineThenSharedString",
            "<c r=\"A1\" t=\"inlineStr\"><is><t>x</t></is></c><c r=\"A1\" t=\"s\"><v>1</v></c>",
            CellKind::Text, "second"},
        CellCase{"BooleanTrue", "<c r=\"A1\" t=\"b\"><v>1</v></c>", CellKind::Boolean, "True"},
        CellCase{"BooleanFalse", "<c r=\"A1\" t=\"b\"><v>0</v></c>", CellKind::Boolean, "False"},
        CellCase{"Error", "<c r=\"A1\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>", CellKind::Error,
                 "#DIV/0!"},
        CellCase{"FormulaString", "<c r=\"A1\" t=\"str\"><f>B1</f><v> padded </v></c>",
                 CellKind::Text, " padded "},
        CellCase{"FormulaEmptyString", "<c r=\"A1\" t=\"str\"><f>\"\"</f><v></v></c>",
                 CellKind::Text, ""},
        CellCase{"FormulaWithoutValue", "<c r=\"A1\" t=\"str\"><f>B1</f></c>", CellKind::Empty, ""},
        CellCase{"NumberFormulaWithoutValue", "<c r=\"A1\"><f>B1</f></c>", CellKind::Empty, ""},
        CellCase{"StyledOnly", "<c r=\"A1\" s=\"3\"/>", CellKind::Empty, ""},
        CellCase{"InlineEntities", "<c r=\"A1\" t=\"inlineStr\"><is><t>a&amp;b&lt;</t></is></c>",
                 CellKind::Text, "a&b<"},
        CellCase{"InlineRuns",
                 "<c r=\"A1\" t=\"inlineStr\"><is><r><t>a</t></r><r><t>b</t></r>"
                 "<rPh><t>z</t></rPh></is></c>",
                 CellKind::Text, "ab"},
        CellCase{"InlineEscape", "<c r=\"A1\" t=\"inlineStr\"><is><t>_x0041__x005F_</t></is></c>",
                 CellKind::Text, "A_"},
        CellCase{"InlineWithValueOnly", "<c r=\"A1\" t=\"inlineStr\"><v>plain</v></c>",
                 CellKind::Text, "plain"},
        CellCase{"IsoDate", "<c r=\"A1\" t=\"d\"><v>1900-03-01</v></c>", CellKind::Number, "61"},
        CellCase{"IsoDateTime", "<c r=\"A1\" t=\"d\"><v>2000-01-01T06:00:00Z</v></c>",
                 CellKind::Number, "36526.25"},
        CellCase{"IsoTimeWithoutDate", "<c r=\"A1\" t=\"d\"><v>10:10:10</v></c>", CellKind::Number,
                 "0.423726851851852"},
        CellCase{"PrefixedAttributes", "<c x:r=\"A1\" x:t=\"b\" xmlns:x=\"urn:x\"><v>1</v></c>",
                 CellKind::Boolean, "True"}),
    [](const auto& param) { return std::string(param.param.name); });

// A row without its number takes it from its first cell's reference, read in one pass over
// the bytes when enough follow them (the last chunk size) and through the events otherwise.
TEST(XlsxSheetReader, CellReferencesReadAlikeInOnePassAndThroughEvents) {
  const XlsxSharedStrings strings;
  const struct {
    const char* reference;
    std::uint32_t row;
    std::size_t cells;
  } cases[] = {
      {"C4", 4, 3},          {"c4", 4, 3},       {"C0004", 4, 3},
      {"AB00000004", 4, 28}, {"XFD7", 7, 16384}, {"A000000000007", 7, 1},
  };
  for (const auto& c : cases) {
    for (std::size_t chunk : {1, 65536}) {
      auto reader = sheetReader(worksheet(std::string("<row><c r=\"") + c.reference +
                                          "\"><v>1</v></c></row>" + kRowAfter),
                                strings, chunk);
      ASSERT_TRUE(reader->nextRow()) << c.reference;
      EXPECT_EQ(reader->rowNumber(), c.row) << c.reference << ", chunk " << chunk;
      EXPECT_EQ(reader->cellCount(), c.cells) << c.reference << ", chunk " << chunk;
    }
  }
}

TEST(XlsxSheetReader, IsoDatesCountFrom1904InA1904Workbook) {
  const XlsxSharedStrings strings;
  auto reader = sheetReader(worksheet("<row r=\"1\"><c t=\"d\"><v>1904-01-02</v></c></row>"),
                            strings, 65536, {}, true);
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->cell(0).number, 1.0);
}

struct BrokenCase {
  const char* name;
  const char* rows;
  Kind kind;
  const char* says;
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
  *out << c.name;
}

class XlsxBrokenSheet : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(XlsxBrokenSheet, ThrowsFromNextRowWithItsKind) {
  const auto& param = GetParam();
  const auto held = sharedStrings(
      "<si><t>a</t></si><si><t>b</t></si><si><t>0123456789012345678901234567890123456789</t></si>");
  const XlsxSharedStrings& strings = *held;
  ReadLimits limits;
  limits.maxCellTextBytes = 64;
  limits.maxRowTextBytes = 96;
  for (std::size_t chunk : {2, 65536}) {
    auto reader = sheetReader(worksheet(param.rows), strings, chunk, limits);
    try {
      while (reader->nextRow()) {
      }
      FAIL() << "no error at chunk " << chunk;
    } catch (const WorkbookError& e) {
      const std::string message = e.what();
      EXPECT_EQ(e.kind(), param.kind) << message;
      EXPECT_EQ(message.rfind("\"contacts.xlsx\" ", 0), 0u) << message;
      EXPECT_NE(message.find(param.says), std::string::npos) << message;
    }
  }
}

const std::string kLongText(65, 'x');
const std::string kSharedTextPastLimit =
    "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row><row r=\"4\"><c r=\"A4\" t=\"s\"><v>2</v>"
    "</c><c r=\"B4\" t=\"s\"><v>2</v></c><c r=\"C4\" t=\"s\"><v>2</v></c></row>" +
    kRowAfter;
const std::string kTooManyCells = [] {
  std::string row = "<row r=\"1\">";
  for (int i = 0; i <= 16384; ++i)
    row += "<c><v>1</v></c>";
  return row + "</row>";
}();

INSTANTIATE_TEST_SUITE_P(
    Sheets, XlsxBrokenSheet,
    ::testing::Values(
        BrokenCase{"SharedIndexNotANumber", "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>x</v></c></row>",
                   Kind::Corrupt, "no string number"},
        BrokenCase{"SharedIndexOutOfRange",
                   "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"
                   "<row r=\"2\"><c r=\"B2\" t=\"s\"><v>3</v></c></row>",
                   Kind::Corrupt, "cell B2 refers to shared string 3, but the workbook has only 3"},
        BrokenCase{"NumberNotANumber", "<row r=\"1\"><c r=\"A1\"><v>12abc</v></c></row>",
                   Kind::Corrupt, "where a number belongs"},
        BrokenCase{"BooleanNotABoolean", "<row r=\"1\"><c r=\"A1\" t=\"b\"><v>2</v></c></row>",
                   Kind::Corrupt, "TRUE or FALSE"},
        BrokenCase{"DateNotADate", "<row r=\"1\"><c r=\"A1\" t=\"d\"><v>2023-02-29</v></c></row>",
                   Kind::Corrupt,
                   "A1 is marked as a date but holds \"2023-02-29\", which is neither a date, a "
                   "time nor a date and time"},
        BrokenCase{"RowTextPastLimitInSharedStrings",
                   "<row r=\"1\"><c r=\"A1\" t=\"str\"><v>0123456789012345678901234567890123456789"
                   "</v></c><c r=\"B1\" t=\"str\"><v>0123456789012345678901234567890123456789</v>"
                   "</c></row><row r=\"2\"><c t=\"s\"><v>2</v></c><c t=\"s\"><v>2</v></c>"
                   "<c t=\"s\"><v>2</v></c></row>",
                   Kind::LimitExceeded, "row (row 2) whose cells hold more than 96 bytes"},
        BrokenCase{"RowTextPastLimitInReferencedSharedStrings", kSharedTextPastLimit.c_str(),
                   Kind::LimitExceeded, "row (row 4) whose cells hold more than 96 bytes"},
        BrokenCase{"RowTextPastLimitInline",
                   "<row r=\"3\"><c t=\"inlineStr\"><is><t>0123456789012345678901234567890123456789"
                   "01234567</t></is></c><c t=\"inlineStr\"><is><t>0123456789012345678901234567890"
                   "1234567890123456789</t></is></c></row>",
                   Kind::LimitExceeded, "row (row 3) whose cells hold more than 96 bytes"},
        BrokenCase{"UnknownType", "<row r=\"1\"><c r=\"A1\" t=\"zz\"><v>1</v></c></row>",
                   Kind::Corrupt, "unknown type \"zz\""},
        BrokenCase{"BadReference", "<row r=\"1\"><c r=\"1A\"><v>1</v></c></row>", Kind::Corrupt,
                   "no cell reference"},
        BrokenCase{"BadRowNumber", "<row r=\"0\"><c><v>1</v></c></row>", Kind::Corrupt,
                   "no row number"},
        BrokenCase{"RowsOutOfOrder",
                   "<row r=\"3\"><c><v>1</v></c></row><row r=\"2\"><c><v>1</v></c></row>",
                   Kind::Corrupt, "row 2 after row 3"},
        BrokenCase{"CellOutsideRow", "<c r=\"A1\"><v>1</v></c>", Kind::Corrupt, "outside"},
        BrokenCase{"MalformedXml", "<row r=\"1\"><c><v>1</c></row>", Kind::Corrupt,
                   "not well-formed"},
        BrokenCase{"RowPastGrid", "<row r=\"1048577\"><c><v>1</v></c></row>", Kind::LimitExceeded,
                   "past row 1048576"},
        BrokenCase{"RowPastGridInCellReference", "<row><c r=\"A99999999999\"><v>1</v></c></row>",
                   Kind::LimitExceeded, "past row 1048576"},
        BrokenCase{"UnnumberedRowPastGrid",
                   "<row r=\"1048576\"><c><v>1</v></c></row><row><c><v>1</v></c></row>",
                   Kind::LimitExceeded, "past row 1048576"},
        BrokenCase{"ColumnPastXfd", "<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>",
                   Kind::LimitExceeded, "past column XFD"},
        BrokenCase{"ColumnLettersOverflow", "<row r=\"1\"><c r=\"AAAAAAAAAA1\"><v>1</v></c></row>",
                   Kind::LimitExceeded, "past column XFD"},
        BrokenCase{"UnnumberedCellPastXfd", kTooManyCells.c_str(), Kind::LimitExceeded,
                   "past column XFD"},
        BrokenCase{"InlineTextPastLimit",
                   "<row r=\"1\"><c r=\"C1\" t=\"inlineStr\"><is><r><t>0123456789012345678901234567"
                   "8901</t></r><r><t>01234567890123456789012345678901x</t></r></is></c></row>",
                   Kind::LimitExceeded, "cell (C1)"},
        BrokenCase{
            "ValuePastLimit",
            "<row r=\"1\"><c r=\"A1\" t=\"str\"><v>"
            "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx</v></c></row>",
            Kind::LimitExceeded, "longer than 64 bytes"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(XlsxSheetReader, RowTextUpToTheLimitIsRead) {
  // 40 + 40 + 16 bytes: exactly the row's allowance, shared strings counted too.
  const auto held = sharedStrings("<si><t>0123456789012345</t></si>");
  const XlsxSharedStrings& strings = *held;
  ReadLimits limits;
  limits.maxRowTextBytes = 96;
  const std::string forty(40, 'x');
  for (int repeat = 0; repeat < 2; ++repeat) {
    auto reader =
        sheetReader(worksheet("<row r=\"1\"><c t=\"inlineStr\"><is><t>" + forty +
                              "</t></is></c><c t=\"str\"><v>" + forty +
                              "</v></c><c t=\"s\"><v>0</v></c></row>"
                              "<row r=\"2\"><c t=\"inlineStr\"><is><t>" +
                              forty + forty + "</t></is></c><c t=\"s\"><v>0</v></c></row>"),
                    strings, 7, limits);
    EXPECT_EQ(tsv(*reader), forty + "\t" + forty + "\t0123456789012345\n" + forty + forty +
                                "\t0123456789012345\n");
  }
}

TEST(XlsxSheetReader, RootThatIsNoWorksheetIsCorrupt) {
  const XlsxSharedStrings strings;
  auto reader = sheetReader("<chartsheet xmlns=\"urn:x\"/>", strings);
  try {
    reader->nextRow();
    FAIL() << "read a chart sheet";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::Corrupt) << e.what();
  }
}

TEST(XlsxSheetReader, DocumentTypeIsRefusedBeforeAnyEntityExpands) {
  const XlsxSharedStrings strings;
  auto reader = sheetReader(
      "<?xml version=\"1.0\"?><!DOCTYPE w [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
      "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><worksheet><sheetData><row><c t=\"inlineStr\"><is>"
      "<t>&b;</t></is></c></row></sheetData></worksheet>",
      strings, 4);
  try {
    reader->nextRow();
    FAIL() << "expanded the entities";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::LimitExceeded) << e.what();
  }
}

}  // namespace
}  // namespace quillmere::source::xlsx
