// The OpenDocument row cursor, fed content XML from memory: one table of cases per behaviour.
#include <gtest/gtest.h>

#include <string>

#include "source/WorkbookError.h"
#include "source/load/KeptRows.h"
#include "source/load/RowsAhead.h"
#include "tests/source/ods/OdsXml.h"

namespace quillmere::source::ods {
namespace {

using Kind = WorkbookError::Kind;
using testing::oneTable;
using testing::sheetReader;
using testing::tsv;

struct Case {
  const char* name;
  const char* rows;
  const char* expected;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// A row of one cell of the given attributes and content.
std::string cell(const std::string& attributes, const std::string& content) {
  return "<table:table-row><table:table-cell " + attributes + ">" + content +
         "</table:table-cell></table:table-row>";
}

class OdsCellValue : public ::testing::TestWithParam<Case> {};

TEST_P(OdsCellValue, ReadsAsItsTextForm) {
  const std::string xml = oneTable(GetParam().rows);
  EXPECT_EQ(tsv(*sheetReader(xml)), GetParam().expected);
  // Fed a byte or a few at a time, the events split anywhere: the same cells.
  for (std::size_t chunk : {1, 3, 7}) {
    EXPECT_EQ(tsv(*sheetReader(xml, chunk)), GetParam().expected) << "chunk " << chunk;
  }
}

const std::string kFloat =
    cell("office:value-type=\"float\" office:value=\"1234.5\" calcext:value-type=\"float\"",
         "<text:p>1 234,50</text:p>");
const std::string kDate =
    cell("office:value-type=\"date\" office:date-value=\"2021-01-01T10:10:10\"",
         "<text:p>01/01/2021 10:10</text:p>");
const std::string kEarlyDate =
    cell("office:value-type=\"date\" office:date-value=\"1900-01-01\"", "<text:p>1900</text:p>");
const std::string kTime =
    cell("office:value-type=\"time\" office:time-value=\"PT12H30M00S\"", "<text:p>12:30</text:p>");
const std::string kLongTime =
    cell("office:value-type=\"time\" office:time-value=\"PT288H\"", "<text:p>288:00</text:p>");
const std::string kNegativeTime =
    cell("office:value-type=\"time\" office:time-value=\"-PT6H\"", "<text:p>-06:00</text:p>");
const std::string kPercentage =
    cell("office:value-type=\"percentage\" office:value=\"0.25\"", "<text:p>25 %</text:p>");
const std::string kCurrency =
    cell("office:value-type=\"currency\" office:currency=\"EUR\" office:value=\"-3\"",
         "<text:p>-3 €</text:p>");
const std::string kTrue =
    cell("office:value-type=\"boolean\" office:boolean-value=\"true\"", "<text:p>TRUE</text:p>");
const std::string kError = cell(
    "table:formula=\"of:=1/0\" office:value-type=\"string\" office:string-value=\"\" "
    "calcext:value-type=\"error\"",
    "<text:p>#DIV/0!</text:p>");
const std::string kStringValue =
    cell("office:value-type=\"string\" office:string-value=\"stored\"", "<text:p>shown</text:p>");
const std::string kFormulaWithoutValue = cell("table:formula=\"of:=NOW()\"", "");
const std::string kUntyped = cell("", "<text:p>no type</text:p>");

INSTANTIATE_TEST_SUITE_P(
    ByValueType, OdsCellValue,
    ::testing::Values(Case{"Float", kFloat.c_str(), "1234.5\n"},
                      Case{"DateFrom18991230", kDate.c_str(), "44197.4237268519\n"},
                      Case{"DateBeforeMarch1900CountsEveryDay", kEarlyDate.c_str(), "2\n"},
                      Case{"TimeInDays", kTime.c_str(), "0.520833333333333\n"},
                      Case{"TimePastOneDay", kLongTime.c_str(), "12\n"},
                      Case{"NegativeTime", kNegativeTime.c_str(), "-0.25\n"},
                      Case{"Percentage", kPercentage.c_str(), "0.25\n"},
                      Case{"Currency", kCurrency.c_str(), "-3\n"},
                      Case{"Boolean", kTrue.c_str(), "True\n"},
                      Case{"ErrorByItsText", kError.c_str(), "#DIV/0!\n"},
                      Case{"StringValueBeforeParagraphs", kStringValue.c_str(), "stored\n"},
                      Case{"FormulaWithoutCachedValue", kFormulaWithoutValue.c_str(), ""},
                      Case{"TextWithoutType", kUntyped.c_str(), "no type\n"}),
    caseName);

const std::string kString = "office:value-type=\"string\"";
const std::string kParagraphs =
    cell(kString, "<text:p>one</text:p><text:p/><text:h>three</text:h>");
const std::string kSpaces =
    cell(kString, "<text:p> \t lead<text:s/>s <text:s text:c=\"3\"/> two  \n spaced </text:p>");
const std::string kBreaks = cell(kString, "<text:p>a<text:tab/>b<text:line-break/> c</text:p>");
const std::string kSpans = cell(kString,
                                "<text:p>ri<text:span text:style-name=\"T1\">ch <text:a "
                                "xlink:href=\"x\">link</text:a></text:span>"
                                "<text:span> </text:span> end</text:p>");
const std::string kIgnored = cell(
    kString,
    "<office:annotation><dc:creator>me</dc:creator><text:p>comment</text:p></office:annotation>"
    "<text:p>kept<text:note><text:note-body><text:p>note</text:p></text:note-body></text:note>"
    "<draw:frame><draw:text-box><text:p>drawn</text:p></draw:text-box></draw:frame></text:p>");

// The shape LibreOffice writes, read without events: UTF-8 and several paragraphs too.
const std::string kLibreOfficeText =
    cell("office:value-type=\"string\" calcext:value-type=\"string\"",
         "<text:p>Zo\xC3\xAB \xF0\x9F\x8D\xA3</text:p><text:p/><text:p>S\xC3\xA3o  Paulo</text:p>");

// One paragraph in that shape, whose white space is looked at sixteen bytes at a time.
std::string libreOfficeText(const std::string& text) {
  return cell("office:value-type=\"string\" calcext:value-type=\"string\"",
              "<text:p>" + text + "</text:p>");
}
// White space that collapses at the start, across the sixteenth byte, as a tab and a line end.
const std::string kLibreOfficeSpaces = libreOfficeText(" lead") +
                                       libreOfficeText("abcdefghijklmno  p") +
                                       libreOfficeText("tab\there") + libreOfficeText("line\nend ");

INSTANTIATE_TEST_SUITE_P(
    ByParagraphMarkup, OdsCellValue,
    ::testing::Values(Case{"ParagraphsOnLinesOfTheirOwn", kParagraphs.c_str(), "one\\n\\nthree\n"},
                      Case{"WhiteSpaceCollapsed", kSpaces.c_str(), "lead s     two spaced \n"},
                      Case{"TabsAndLineBreaksKept", kBreaks.c_str(), "a\\tb\\n c\n"},
                      Case{"SpansAndLinksGiveTheirText", kSpans.c_str(), "rich link end\n"},
                      Case{"CommentsNotesAndDrawingsLeftOut", kIgnored.c_str(), "kept\n"},
                      Case{"LibreOfficeTextInOnePass", kLibreOfficeText.c_str(),
                           "Zo\xC3\xAB \xF0\x9F\x8D\xA3\\n\\nS\xC3\xA3o Paulo\n"},
                      Case{"LibreOfficeTextCollapsedInOnePass", kLibreOfficeSpaces.c_str(),
                           "lead\nabcdefghijklmno p\ntab here\nline end \n"}),
    caseName);

const char* const kRepeatedCells =
    "<table:table-row><table:table-cell table:number-columns-repeated=\"2\"/>"
    "<table:table-cell table:number-columns-repeated=\"3\" office:value-type=\"float\" "
    "office:value=\"7\"><text:p>7</text:p></table:table-cell>"
    "<table:table-cell table:number-columns-repeated=\"16379\"/></table:table-row>";
const char* const kRepeatedRows =
    "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell/></table:table-row>"
    "<table:table-row table:number-rows-repeated=\"3\"><table:table-cell "
    "office:value-type=\"string\">"
    "<text:p>x</text:p></table:table-cell></table:table-row>"
    "<table:table-row table:number-rows-repeated=\"1048571\"><table:table-cell "
    "table:number-columns-repeated=\"16384\"/></table:table-row>";
// Rows read whole keep their text where it was read, and a repeat hands it out again.
const char* const kRepeatedRowsReadWhole =
    "<table:table-row table:style-name=\"ro1\" table:number-rows-repeated=\"2\"><table:table-cell "
    "office:value-type=\"string\" calcext:value-type=\"string\"><text:p>two</text:p>"
    "</table:table-cell></table:table-row>";
const char* const kCovered =
    "<table:table-row><table:table-cell table:number-columns-spanned=\"2\" "
    "office:value-type=\"string\"><text:p>merged</text:p></table:table-cell>"
    "<table:covered-table-cell office:value-type=\"string\"><text:p>hidden</text:p>"
    "</table:covered-table-cell><table:table-cell "
    "office:value-type=\"string\"><text:p>after</text:p>"
    "</table:table-cell></table:table-row>";
const char* const kGroups =
    "<table:table-column table:number-columns-repeated=\"3\"/>"
    "<table:table-header-rows><table:table-row><table:table-cell office:value-type=\"string\">"
    "<text:p>head</text:p></table:table-cell></table:table-row></table:table-header-rows>"
    "<table:table-row-group><table:table-rows><table:table-row><table:table-cell "
    "office:value-type=\"float\" office:value=\"1\"/></table:table-row></table:table-rows>"
    "</table:table-row-group>";
const char* const kPastTheGrid =
    "<table:table-row table:number-rows-repeated=\"1099511627776\"><table:table-cell/>"
    "</table:table-row><table:table-row table:number-rows-repeated=\"5\"><table:table-cell/>"
    "</table:table-row>";

INSTANTIATE_TEST_SUITE_P(
    ByLayout, OdsCellValue,
    ::testing::Values(Case{"RepeatedCellsEachHoldTheValue", kRepeatedCells, "\t\t7\t7\t7\n"},
                      Case{"RepeatedRowsEachHoldTheirCells", kRepeatedRows, "\n\nx\nx\nx\n"},
                      Case{"RepeatedRowsReadWholeHoldTheirText", kRepeatedRowsReadWhole,
                           "two\ntwo\n"},
                      Case{"CoveredCellsAreEmpty", kCovered, "merged\t\tafter\n"},
                      Case{"GroupedRowsAreRows", kGroups, "head\n1\n"},
                      Case{"EmptyRowsPastTheGridCostNothing", kPastTheGrid, ""}),
    caseName);

TEST(OdsSheetReader, NumbersAsShownTakeTheTextTheSpreadsheetShowed) {
  const std::string xml = oneTable(kFloat + kDate + kTime + kPercentage + kCurrency + kTrue +
                                   cell("office:value-type=\"float\" office:value=\"5\"", ""));
  EXPECT_EQ(tsv(*sheetReader(xml), CellText::AsShown),
            "1 234,50\n01/01/2021 10:10\n12:30\n25 %\n-3 €\nTrue\n5\n");
}

// Rows kept for the conversion and rows read ahead on another thread carry a number's shown text
// with it: short ones, and one longer than a kept cell holds beside its kind.
TEST(OdsSheetReader, NumbersKeptOrReadAheadKeepTheirShownText) {
  std::string rows;
  for (int row = 1; row <= 600; ++row) {
    const std::string shown = row == 300 ? std::string(9000, '9') : "#" + std::to_string(row);
    rows += "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"" +
            std::to_string(row) + "\"><text:p>" + shown +
            "</text:p></table:table-cell><table:table-cell office:value-type=\"string\"><text:p>t" +
            std::to_string(row) + "</text:p></table:table-cell></table:table-row>";
  }
  const std::string xml = oneTable(rows);
  auto direct = sheetReader(xml);
  const std::string expected = tsv(*direct, CellText::AsShown);
  ASSERT_NE(expected.find("#599\tt599\n"), std::string::npos);

  auto read = sheetReader(xml);
  KeptRows kept(std::size_t{1} << 30);
  while (read->nextRow())
    kept.keep(*read, 2);
  ASSERT_TRUE(kept.whole());
  KeptRowsReader keptSheet(kept, read->cellFormats(), read->gridRows());
  EXPECT_EQ(tsv(keptSheet, CellText::AsShown), expected);
  keptSheet.rewind();
  EXPECT_EQ(tsv(keptSheet), tsv(*sheetReader(xml)));

  auto inner = sheetReader(xml);
  RowsAhead ahead(*inner);
  EXPECT_EQ(tsv(ahead, CellText::AsShown), expected);
}

TEST(OdsSheetReader, ReadsTheTableAtItsPlaceInTabOrder) {
  const std::string xml = testing::contentXml(
      "<table:table table:name=\"A\">" + cell(kString, "<text:p>first</text:p>") +
      "</table:table><table:table table:name=\"B\">" + cell(kString, "<text:p>second</text:p>") +
      "</table:table>");
  EXPECT_EQ(tsv(*sheetReader(xml, 65536, {}, 1)), "second\n");
  EXPECT_EQ(tsv(*sheetReader(xml, 65536, {}, 0)), "first\n");
}

TEST(OdsSheetReader, RowNumbersCountRepeatsAndRewindStartsOver) {
  auto reader = sheetReader(oneTable(kRepeatedRows));
  std::vector<std::uint32_t> rows;
  while (reader->nextRow())
    rows.push_back(reader->rowNumber());
  EXPECT_EQ(rows, (std::vector<std::uint32_t>{3, 4, 5}));
  reader->rewind();
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->rowNumber(), 3u);
}

struct Refusal {
  const char* name;
  std::string rows;
  ReadLimits limits;
  Kind kind;
  const char* says;
};

void PrintTo(const Refusal& r, std::ostream* out) {
  *out << r.name;
}

std::string refusalName(const ::testing::TestParamInfo<Refusal>& info) {
  return info.param.name;
}

class OdsRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(OdsRefusal, NamesTheFileAndTheProblem) {
  const Refusal& r = GetParam();
  auto reader = sheetReader(oneTable(r.rows), 65536, r.limits);
  try {
    while (reader->nextRow()) {
    }
    FAIL() << "read without an error";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), r.kind) << e.what();
    EXPECT_EQ(std::string(e.what()).rfind("\"contacts.ods\" ", 0), 0u) << e.what();
    EXPECT_NE(std::string(e.what()).find(r.says), std::string::npos) << e.what();
  }
  // A failed cursor stays failed.
  EXPECT_THROW(reader->nextRow(), WorkbookError);
}

ReadLimits withCellText(std::size_t bytes) {
  ReadLimits limits;
  limits.maxCellTextBytes = bytes;
  return limits;
}

ReadLimits withRowText(std::size_t bytes) {
  ReadLimits limits;
  limits.maxRowTextBytes = bytes;
  return limits;
}

ReadLimits withRepeatedCells(std::uint64_t cells) {
  ReadLimits limits;
  limits.maxRepeatedCells = cells;
  return limits;
}

const std::string kWideRow =
    "<table:table-row table:number-rows-repeated=\"1048576\"><table:table-cell "
    "table:number-columns-repeated=\"16384\" office:value-type=\"string\"><text:p>x</text:p>"
    "</table:table-cell></table:table-row>";

INSTANTIATE_TEST_SUITE_P(
    Limits, OdsRefusal,
    ::testing::Values(
        Refusal{"CellText", cell(kString, "<text:p>abcdefghijk</text:p>"), withCellText(10),
                Kind::LimitExceeded, "(A1) whose text is longer than 10 bytes"},
        Refusal{"SpacesOfOneElement",
                cell(kString, "<text:p><text:s text:c=\"4000000000\"/></text:p>"),
                {},
                Kind::LimitExceeded,
                "(A1) whose text is longer than"},
        Refusal{"RowTextOfRepeatedCells",
                cell("table:number-columns-repeated=\"3\" " + kString, "<text:p>abcd</text:p>"),
                withRowText(10), Kind::LimitExceeded,
                "(row 1) whose cells hold more than 10 bytes"},
        Refusal{"RepeatsToTheWholeGrid",
                kWideRow,
                {},
                Kind::LimitExceeded,
                "cells beyond those written out"},
        Refusal{"RepeatedCells",
                cell("table:number-columns-repeated=\"5\" " + kString, "<text:p>a</text:p>"),
                withRepeatedCells(3), Kind::LimitExceeded, "more than 3 cells beyond"},
        Refusal{"ValuePastTheLastColumn",
                "<table:table-row><table:table-cell table:number-columns-repeated=\"16384\"/>"
                "<table:table-cell office:value-type=\"float\" office:value=\"1\"/>"
                "</table:table-row>",
                {},
                Kind::LimitExceeded,
                "past column XFD"},
        Refusal{"TextThatIsNoUtf8",
                cell("office:value-type=\"string\" calcext:value-type=\"string\"",
                     "<text:p>S\xC3\x28o</text:p>"),
                {},
                Kind::Corrupt,
                "content.xml is not well-formed XML"},
        Refusal{"ValuePastTheLastRow",
                "<table:table-row table:number-rows-repeated=\"1048576\"><table:table-cell/>"
                "</table:table-row>" +
                    cell(kString, "<text:p>late</text:p>"),
                {},
                Kind::LimitExceeded,
                "past row 1048576"}),
    refusalName);

TEST(OdsSheetReader, MalformedContentIsDamageNamingThePart) {
  auto reader = sheetReader(oneTable("<table:table-row><table:table-cell>"));
  try {
    while (reader->nextRow()) {
    }
    FAIL() << "read without an error";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::Corrupt) << e.what();
    EXPECT_EQ(e.part(), "content.xml");
  }
}

}  // namespace
}  // namespace quillmere::source::ods
