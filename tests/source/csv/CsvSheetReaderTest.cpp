// Splitting text into records and fields, with every buffer boundary put under each case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "source/WorkbookError.h"
#include "source/csv/CsvWorkbook.h"
#include "tests/source/csv/CsvTestFolder.h"

namespace quillmere::source::csv {
namespace {

struct ParseCase {
  const char* name;
  std::string text;
  std::vector<DumpedRow> rows;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
  *out << c.name;
}

const std::vector<ParseCase> kParseCases = {
    {"CommaSeparated", "a,b,c\n1,2,3\n", {{1, {"a", "b", "c"}}, {2, {"1", "2", "3"}}}},
    {"SemicolonSeparatedKeepsLeadingZeros",
     "Name;Phone\nAnna;0301234\n",
     {{1, {"Name", "Phone"}}, {2, {"Anna", "0301234"}}}},
    {"TabSeparated", "a\tb\n1\t2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
    {"QuotedFieldHoldsTheSeparator", "\"Smith, John\",x\n", {{1, {"Smith, John", "x"}}}},
    {"DoubledQuotesBecomeOne", "\"say \"\"hi\"\"\",\"\"\"\"\n", {{1, {"say \"hi\"", "\""}}}},
    {"QuotedLineBreaksStayAsWritten",
     "\"a\r\nb\",\"c\nd\",\"e\rf\"\r\n2,3,4\r\n",
     {{1, {"a\r\nb", "c\nd", "e\rf"}}, {2, {"2", "3", "4"}}}},
    {"CrOnlyLineEnds", "a,b\r1,2\r", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
    {"LfOnlyLineEnds", "a\nb\n", {{1, {"a"}}, {2, {"b"}}}},
    {"MixedLineEnds", "a\r\nb\rc\nd", {{1, {"a"}}, {2, {"b"}}, {3, {"c"}}, {4, {"d"}}}},
    {"EmptyFieldsAreEmpty", "a,,c\n,\"\",\n", {{1, {"a", "", "c"}}, {2, {"", "", ""}}}},
    {"TrailingSeparatorGivesAnEmptyLastField",
     "a,b,\nc,d,\n",
     {{1, {"a", "b", ""}}, {2, {"c", "d", ""}}}},
    {"EmptyLinesKeepTheRowNumbers", "a\n\n\r\n\rb\n", {{1, {"a"}}, {5, {"b"}}}},
    {"NoFinalLineBreak", "a,b", {{1, {"a", "b"}}}},
    {"SeparatorJustBeforeTheEnd", "a,", {{1, {"a", ""}}}},
    {"QuoteJustBeforeTheEnd", "a,\"b\"", {{1, {"a", "b"}}}},
    {"CrJustBeforeTheEnd", "a\r", {{1, {"a"}}}},
    {"SpacesAroundValuesStay", " a , b \n  \n", {{1, {" a ", " b "}}, {2, {"  "}}}},
    {"QuoteInsideAnUnquotedFieldIsLiteral", "ab\"c\"d,e\"\n", {{1, {"ab\"c\"d", "e\""}}}},
    {"TextAfterAClosingQuoteIsKept", "\"ab\"cd,\"x\" ,e\n", {{1, {"abcd", "x ", "e"}}}},
    {"QuotedEmptyLineIsARowOfOneEmptyCell", "\"\"\nx\n", {{1, {""}}, {2, {"x"}}}},
    {"MultiByteCharactersPassThrough",
     "Zo\xC3\xAB,\xE6\x97\xA5\xE6\x9C\xAC,\xF0\x9F\x98\x80\n",
     {{1, {"Zo\xC3\xAB", "\xE6\x97\xA5\xE6\x9C\xAC", "\xF0\x9F\x98\x80"}}}},
    {"LongRecordsOutgrowASmallBuffer",
     std::string(40, 'x') + ",\"" + std::string(30, 'y') + "\"\"" + std::string(30, 'z') + "\"\n",
     {{1, {std::string(40, 'x'), std::string(30, 'y') + "\"" + std::string(30, 'z')}}}},
};

// Every size from one byte up puts a buffer end inside each quote, CR LF pair and
// multi-byte character of the cases above.
const std::vector<std::size_t> kBufferSizes = {1, 2, 3, 4, 5, 6, 7, 64, kDefaultBufferBytes};

class CsvParsing : public CsvTestFolder, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(CsvParsing, GivesTheSameRowsAtEveryBufferSize) {
  const ParseCase& c = GetParam();
  const auto path = write("case.csv", c.text);
  for (const std::size_t size : kBufferSizes) {
    SCOPED_TRACE("buffer of " + std::to_string(size) + " bytes");
    const auto workbook = openCsvWorkbook(path, ReadLimits{}, size);
    EXPECT_EQ(dumpRows(workbook->sheet()), c.rows);
  }
}

std::string caseName(const ::testing::TestParamInfo<ParseCase>& param) {
  return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvParsing, ::testing::ValuesIn(kParseCases), caseName);

using CsvSheetCursor = CsvTestFolder;

TEST_F(CsvSheetCursor, AQuoteThatNeverClosesIsRefusedNamingItsLine) {
  // The quote opens on line 5: a quoted value before it spans lines 2 and 3, with each kind
  // of line end.
  for (const char* end : {"\n", "\r\n", "\r"}) {
    const std::string eol = end;
    const std::string text = "a,b" + eol + "\"x" + eol + "y\",c" + eol + eol + "d,\"open" + eol +
                             "rest,of" + eol + "\"\"file\"\"";
    const auto path = write("unclosed.csv", text);
    for (const std::size_t size : {std::size_t{1}, std::size_t{5}, kDefaultBufferBytes}) {
      try {
        dumpRows(openCsvWorkbook(path, ReadLimits{}, size)->sheet());
        ADD_FAILURE() << "read without an error";
      } catch (const WorkbookError& e) {
        EXPECT_EQ(e.kind(), WorkbookError::Kind::Corrupt);
        EXPECT_NE(std::string(e.what()).find("has a quote on line 5 that opens a value but never "
                                             "closes it"),
                  std::string::npos)
            << e.what();
      }
    }
  }
  // A quote closed at the very end of the file is fine.
  EXPECT_EQ(dumpRows(openWorkbook(write("closed.csv", "a,\"b\nc\""))->sheet()),
            (std::vector<DumpedRow>{{1, {"a", "b\nc"}}}));
}

TEST_F(CsvSheetCursor, RewindStartsAgainFromTheFirstRow) {
  const auto path = write("rewind.csv", "h1,h2\n\"a\nb\",c\n\nd,e\n");
  for (const std::size_t size : {std::size_t{3}, kDefaultBufferBytes}) {
    auto workbook = openCsvWorkbook(path, ReadLimits{}, size);
    SheetReader& sheet = workbook->sheet();
    EXPECT_EQ(sheet.rowNumber(), 0u);
    const auto first = dumpRows(sheet);
    ASSERT_EQ(first.size(), 3u);
    EXPECT_FALSE(sheet.nextRow());
    sheet.rewind();
    EXPECT_EQ(sheet.rowNumber(), 0u);
    EXPECT_EQ(dumpRows(sheet), first);
    // Halfway through, too.
    sheet.rewind();
    ASSERT_TRUE(sheet.nextRow());
    ASSERT_TRUE(sheet.nextRow());
    EXPECT_EQ(sheet.rowNumber(), 2u);
    sheet.rewind();
    EXPECT_EQ(dumpRows(sheet), first);
  }
}

TEST_F(CsvSheetCursor, CellsPastTheRowAreEmpty) {
  auto workbook =
      openCsvWorkbook(write("short.csv", "a,b\nc\n"), ReadLimits{}, kDefaultBufferBytes);
  SheetReader& sheet = workbook->sheet();
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.cellCount(), 2u);
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.cellCount(), 1u);
  EXPECT_EQ(sheet.cell(1).kind, CellKind::Empty);
  EXPECT_EQ(sheet.cell(16383).kind, CellKind::Empty);
}

TEST_F(CsvSheetCursor, TheGridIsAsTallAsAWorksheet) {
  auto workbook = openCsvWorkbook(write("grid.csv", "a\n"), ReadLimits{}, kDefaultBufferBytes);
  EXPECT_EQ(workbook->sheet().gridRows(), 1048576u);
}

TEST_F(CsvSheetCursor, OpenWorkbookReadsPlainTextAsCsv) {
  auto workbook = openWorkbook(write("contacts.txt", "Name;Mail\nAnna;a@example.org\n"));
  EXPECT_NE(dynamic_cast<const CsvWorkbook*>(workbook.get()), nullptr);
  EXPECT_EQ(dumpRows(workbook->sheet()),
            (std::vector<DumpedRow>{{1, {"Name", "Mail"}}, {2, {"Anna", "a@example.org"}}}));
}

}  // namespace
}  // namespace quillmere::source::csv
