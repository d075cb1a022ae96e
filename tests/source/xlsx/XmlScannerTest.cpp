// The hand-written XML scanner and the expat fallback behind it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "source/CellTextForm.h"
#include "source/WorkbookError.h"
#include "source/xlsx/BytesAhead.h"
#include "source/xlsx/MemoryPartSource.h"
#include "source/xlsx/SheetRowParser.h"
#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/XmlScanner.h"
#include "source/xlsx/XmlStream.h"
#include "tests/source/xlsx/SheetXml.h"

namespace quillmere::source::xlsx {
namespace {

using Kind = WorkbookError::Kind;

// Every event as text: <local a="v">, </local>, text as it comes joined.
class Recorder : public XmlHandler {
 public:
  void startElement(std::string_view name, const char** attributes) override {
    log += "<" + std::string(name);
    for (const char** a = attributes; *a != nullptr; a += 2)
      log += std::string(" ") + a[0] + "=\"" + a[1] + "\"";
    log += ">";
  }
  void endElement(std::string_view name) override { log += "</" + std::string(name) + ">"; }
  void text(std::string_view data) override { log += data; }
  void beginReplay() override {
    given = std::move(log);
    log.clear();
    ++replays;
  }
  std::string log;
  std::string given;  // what came before the scanner gave up
  int replays = 0;
};

struct Scanned {
  XmlScanner::Result result;
  std::string log;
};

Scanned scan(const std::string& xml, std::size_t chunk = 65536) {
  Recorder recorder;
  MemoryPartSource source(xml);
  XmlScanner scanner(recorder, chunk, XmlStream::kMaxElementDepth);
  scanner.reset(&source);
  const XmlScanner::Result result = scanner.scan();
  return {result, recorder.log};
}

struct Reads {
  const char* name;
  std::string xml;
  const char* events;  // worked out from the XML rules by hand
};

void PrintTo(const Reads& c, std::ostream* out) {
  *out << c.name;
}

class XmlScannerReads : public ::testing::TestWithParam<Reads> {};

TEST_P(XmlScannerReads, WhatExpatWouldGiveAtEveryChunkSize) {
  for (std::size_t chunk : {1, 2, 3, 5, 8, 65536}) {
    const Scanned scanned = scan(GetParam().xml, chunk);
    EXPECT_EQ(scanned.result, XmlScanner::Result::Ended) << "chunk " << chunk;
    EXPECT_EQ(scanned.log, GetParam().events) << "chunk " << chunk;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, XmlScannerReads,
    ::testing::Values(
        Reads{"DeclarationMarkAndMisc",
              "\xEF\xBB\xBF<?xml version='1.0' encoding=\"utf-8\" standalone='yes' ?>\n<!-- c -->"
              "<?pi data?><a/>\r\n<!-- after -->",
              "<a></a>"},
        Reads{"References", "<a>&lt;&gt;&amp;&quot;&apos;&#65;&#x263a;&#x1F600;&#13;</a>",
              "<a><>&\"'A\xE2\x98\xBA\xF0\x9F\x98\x80\r</a>"},
        Reads{"LineEndsInText", "<a>1\r\n2\r3\n4\r</a>", "<a>1\n2\n3\n4\n</a>"},
        Reads{"AttributeValuesNormalised",
              "<a x=\"1\t2\r\n3\r4\n5&#10;6&amp;\" y = '\"' z=\"'>\"/>",
              "<a x=\"1 2 3 4 5\n6&\" y=\"\"\" z=\"'>\"></a>"},
        Reads{"CdataKeepsMarkupAsText", "<a><![CDATA[<b>&amp;]]\r\n]]></a>", "<a><b>&amp;]]\n</a>"},
        Reads{"PrefixesAreDropped", "<x:a xmlns:x=\"u\"><x:b x:r=\"1\"/><:c/></x:a>",
              "<a xmlns:x=\"u\"><b x:r=\"1\"></b><c></c></a>"},
        Reads{"CommentsInsideText", "<a>x<!-- - -->y<?p?>z</a>", "<a>xyz</a>"},
        Reads{"NonAsciiText", "<a b=\"\xC3\xA9\">Z\xC3\xB6\xE2\x82\xAC</a>",
              "<a b=\"\xC3\xA9\">Z\xC3\xB6\xE2\x82\xAC</a>"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(XmlScanner, LeavesToExpatWhatItDoesNotReadItself) {
  for (const char* xml : {
           "<!DOCTYPE a><a/>",                                     // a document type
           "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>",  // another encoding
           "<?xml version=\"1.1\"?><a/>",                          // another version
           "<?xml version=\"1.0\" encoding=?><a/>",                // a declaration cut short
           " <?xml version=\"1.0\"?><a/>",                         // a declaration not at the start
           "<a><\xC3\xA9/></a>",                                   // a name outside ASCII
           "<a>\xC3\x28</a>",                                      // broken UTF-8
           "<a>\xEF\xBF\xBF</a>",                                  // U+FFFF
           "<a>\x01</a>",                                          // a control character
           "<a>]]></a>",                                           // the end of a CDATA section
           "<a x=\"1\" x=\"2\"/>",                                 // an attribute twice
           "<a x=\"1\"y=\"2\"/>",                                  // attributes not set apart
           "<a x=\"<\"/>",                                         // < in a value
           "<a>&nbsp;</a>",                                        // an undeclared entity
           "<a>&#0;</a>",                                          // a reference to no character
           "<a></b>",                                              // a mismatched end tag
           "<a/><b/>",                                             // two root elements
           "<a/>x",                                                // text after the root
           "<a><!-- a -- b --></a>",                               // two hyphens in a comment
           "<a>",                                                  // a root never closed
           "",                                                     // nothing at all
       }) {
    EXPECT_EQ(scan(xml).result, XmlScanner::Result::GaveUp) << xml;
  }
  std::string nested;
  for (int i = 0; i <= XmlStream::kMaxElementDepth; ++i)
    nested += "<a>";
  EXPECT_EQ(scan(nested).result, XmlScanner::Result::GaveUp);
  // A tag longer than the scanner holds goes to expat, which has a larger limit.
  const std::string longTag = "<a x=\"" + std::string(XmlScanner::kMaxConstructBytes, 'x') + "\"/>";
  EXPECT_EQ(scan(longTag, 65536).result, XmlScanner::Result::GaveUp);
}

// A construct still open when a piece of the part ends is scanned again from its start once
// more has come. Fuzzing found a 72 KB declaration read two bytes at a time taking seconds;
// read a byte at a time, these constructs just under the scanner's limit would take hours.
TEST(XmlScanner, ReadsLongConstructsThatArriveInSmallPiecesInLinearTime) {
  const std::string filler(XmlScanner::kMaxConstructBytes - 64, 'x');
  const std::string spaces(XmlScanner::kMaxConstructBytes - 64, ' ');
  struct Case {
    const char* what;
    std::string xml;
    std::string events;
  };
  const Case cases[] = {
      {"declaration", "<?xml version=\"1.0\"" + spaces + "?><a/>", "<a></a>"},
      {"comment", "<a><!--" + filler + "--></a>", "<a></a>"},
      {"instruction", "<a><?do " + filler + "?></a>", "<a></a>"},
      {"CDATA section", "<a><![CDATA[" + filler + "]]></a>", "<a>" + filler + "</a>"},
      {"attribute value", "<a b=\"" + filler + "\"/>", "<a b=\"" + filler + "\"></a>"},
  };
  for (const Case& c : cases) {
    const Scanned scanned = scan(c.xml, 1);
    EXPECT_EQ(scanned.result, XmlScanner::Result::Ended) << c.what;
    EXPECT_TRUE(scanned.log == c.events) << c.what;
  }
}

TEST(XmlStream, AfterTheScannerGivesUpExpatReadsThePartAgainFromItsStart) {
  Recorder recorder;
  int opened = 0;
  const std::string xml = "<a><b>1</b><\xC3\xA9>2</\xC3\xA9></a>";
  XmlStream stream("book.xlsx", "part.xml", recorder);
  stream.reset([&] {
    ++opened;
    return std::make_unique<MemoryPartSource>(xml);
  });
  stream.parseAll();
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(recorder.replays, 1);
  EXPECT_EQ(recorder.log, "<a><b>1</b><\xC3\xA9>2</\xC3\xA9></a>");
}

// Text the scanner gives before it hands a part to expat must be text expat gives as well:
// fuzzing found ten "]" before a "]]>", after a tag longer than one piece, given in part by
// the scanner and not at all by expat.
TEST(XmlStream, TextGivenBeforeTheScannerGivesUpIsTextExpatGivesToo) {
  const std::string tag = "<sst xmlns=\"" + std::string(90, 'n') + "\">";
  for (std::size_t text = 0; text <= 40; text += 3) {
    const std::string xml =
        "<r>" + tag + "<t>" + std::string(text, 's') + std::string(10, ']') + "></t></sst></r>";
    for (std::size_t chunk = 1; chunk <= 64; ++chunk) {
      Recorder expat;
      XmlStream expatOnly("book.xlsx", "part.xml", expat, chunk);
      expatOnly.reset(std::make_unique<MemoryPartSource>(xml));
      EXPECT_THROW(expatOnly.parseAll(), WorkbookError);

      Recorder scanned;
      XmlStream stream("book.xlsx", "part.xml", scanned, chunk);
      stream.reset([&xml] { return std::make_unique<MemoryPartSource>(xml); });
      EXPECT_THROW(stream.parseAll(), WorkbookError);
      ASSERT_EQ(scanned.replays, 1) << "chunk " << chunk << ", text " << text;
      ASSERT_EQ(expat.log.substr(0, scanned.given.size()), scanned.given)
          << "chunk " << chunk << ", text " << text;
      EXPECT_EQ(scanned.log, expat.log) << "chunk " << chunk << ", text " << text;
    }
  }
}

// Fuzzing found shared strings whose pool grew twice over the text of items opened inside
// others, when the scanner gave up after them: expat read that text again on top of it.
TEST(XlsxSharedStrings, ReadAgainByExpatHoldTheSameStringsInTheSamePool) {
  const std::string xml =
      "<sst><si><t>b</t></si><si><t>CCCCCCCC</t><si><t>d</t><\xC3\xA9/>"
      "</si></si><si><t>e</t></si></sst>";
  ReadLimits limits;
  limits.maxSharedStringBytes = 12;
  for (std::size_t chunk : {1, 7, 65536}) {
    XlsxSharedStrings expat(limits);
    XmlStream expatOnly("book.xlsx", "xl/sharedStrings.xml", expat, chunk);
    expatOnly.reset(std::make_unique<MemoryPartSource>(xml));
    expatOnly.parseAll();

    XlsxSharedStrings scanned(limits);
    XmlStream stream("book.xlsx", "xl/sharedStrings.xml", scanned, chunk);
    int opened = 0;
    stream.reset([&] {
      ++opened;
      return std::make_unique<MemoryPartSource>(xml);
    });
    EXPECT_NO_THROW(stream.parseAll()) << "chunk " << chunk;
    EXPECT_EQ(opened, 2) << "chunk " << chunk;
    // The text of the item left open joins the string after it, whichever reads the part.
    ASSERT_EQ(scanned.size(), 3u) << "chunk " << chunk;
    ASSERT_EQ(expat.size(), 3u) << "chunk " << chunk;
    EXPECT_EQ(scanned.at(0), "b");
    EXPECT_EQ(scanned.at(1), "CCCCCCCCd");
    EXPECT_EQ(scanned.at(2), "e");
    for (std::size_t i = 0; i < 3; ++i)
      EXPECT_EQ(scanned.at(i), expat.at(i)) << "chunk " << chunk;
    EXPECT_EQ(scanned.poolBytes(), expat.poolBytes()) << "chunk " << chunk;
    EXPECT_EQ(scanned.poolBytes(), 11u) << "chunk " << chunk;
  }
}

TEST(XlsxSheetReader, RowsHandedOnBeforeTheScannerGaveUpComeOnlyOnce) {
  // Row 3 holds an element with a name outside ASCII: expat reads it, the scanner does not.
  const std::string xml = testing::worksheet(
      "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"2\"><c r=\"A2\"><v>2</v></c></row>"
      "<row r=\"3\"><c r=\"A3\"><v>3</v><\xC3\xA9/></c></row><row r=\"4\"><c r=\"A4\"><v>4</v>"
      "</c></row>");
  const XlsxSharedStrings strings;
  for (std::size_t chunk : {1, 7, 65536}) {
    auto reader = testing::sheetReader(xml, strings, chunk);
    EXPECT_EQ(testing::tsv(*reader), "1\n2\n3\n4\n") << "chunk " << chunk;
  }
}

TEST(XlsxSheetReader, ARefusedCellGivesExpatsMessageAfterTheGoodRows) {
  const std::string xml = testing::worksheet(
      "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"2\"><c r=\"A2\" t=\"q\"><v>2</v></c>"
      "</row>");
  const XlsxSharedStrings strings;
  auto reader = testing::sheetReader(xml, strings);
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->rowNumber(), 1u);
  try {
    reader->nextRow();
    FAIL() << "read a cell of unknown type";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::Corrupt);
    EXPECT_NE(std::string(e.what()).find("unknown type \"q\""), std::string::npos) << e.what();
  }
}

// The rows of a sheet as text, and how it ends: read by the scanner, whose cell reader takes
// the common cell shapes in one pass (over the part in memory, or over blocks read ahead), or
// by expat alone, which gives every cell as events.
std::string rowsAndEnd(const std::string& xml, std::size_t chunk, int way) {
  const auto strings = std::make_unique<XlsxSharedStrings>();
  XmlStream table("book.xlsx", "xl/sharedStrings.xml", *strings);
  table.reset(
      std::make_unique<MemoryPartSource>("<sst><si><t>zero</t></si><si><t>one</t></si></sst>"));
  table.parseAll();
  SheetRowParser parser(*strings, ReadLimits{}, false);
  XmlStream stream("book.xlsx", "xl/worksheets/sheet1.xml", parser, chunk);
  if (way == 0) stream.reset(std::make_unique<MemoryPartSource>(xml));
  if (way == 1) stream.reset([&xml] { return std::make_unique<MemoryPartSource>(xml); });
  if (way == 2) {
    stream.reset([&xml] {
      return std::make_unique<BytesAhead>(std::make_unique<MemoryPartSource>(xml), 5, 2);
    });
  }
  std::string out;
  try {
    while (stream.parse()) {
      out += std::to_string(parser.rowNumber()) + ":";
      for (std::size_t c = 0; c < parser.cellCount(); ++c)
        out += textForm(parser.cell(c)) + "/" + std::to_string(parser.cell(c).style) + "\t";
      out += "\n";
    }
  } catch (const WorkbookError& e) {
    out += e.what();
  }
  return out;
}

TEST(XlsxSheetReader, CellsOfTheCommonShapesReadAsTheirEventsDo) {
  const std::string good = testing::worksheet(
      "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>1</v></c><c r=\"B2\" s=\"3\"><v>1.5</v></c>"
      "<c r=\"C2\" s=\"4\"/><c r=\"D2\" t=\"n\" s=\"0\"><v>-2E3</v></c><c r=\"E2\"><v>007</v></c>"
      "<c r=\"F2\" t=\"s\"><v> 0</v></c><c r='G2' t='s'><v>0</v></c><c r=\"H2\" t=\"str\"><v>x</v>"
      "</c><c r=\"I2\" ph=\"1\"><v>2</v></c><c r=\"J2\"><f>1</f><v>3</v></c><c r=\"K2\"  s=\"1\"/>"
      "<c t=\"s\" r=\"L2\"><v>0</v></c><c r=\"n2\" s=\"\"><v>4</v></c></row>"
      "<row><c r=\"B3\"><v>5</v></c><c><v>6</v></c></row>");
  const std::string expected =
      "2:one/0\t1.5/3\t/0\t-2000/0\t7/0\tzero/0\tzero/0\tx/0\t2/0\t3/0\t/0\tzero/0\t/0\t4/"
      "4294967295\t\n"
      "3:/0\t5/0\t6/0\t\n";
  std::vector<std::string> broken;
  for (const char* cell : {"<c r=\"A4\" t=\"s\"><v>2</v></c>", "<c r=\"A4\"><v>1.5.5</v></c>",
                           "<c r=\"A4\" s=\"1\" s=\"2\"/>", "<c r=\"XFE4\"><v>1</v></c>",
                           "<c r=\"A4\"><v>1</v></x></c>", "<c r=\"A4\" t=\"s\"><v>1</v></c></c>"})
    broken.push_back(testing::worksheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"4\">" +
                                        std::string(cell) + "</row>"));
  EXPECT_EQ(rowsAndEnd(good, 65536, 0), expected);
  for (std::size_t chunk : {1, 3, 7, 65536}) {
    for (int way : {1, 2}) {
      EXPECT_EQ(rowsAndEnd(good, chunk, way), expected) << "chunk " << chunk << ", way " << way;
      for (const std::string& xml : broken)
        EXPECT_EQ(rowsAndEnd(xml, chunk, way), rowsAndEnd(xml, chunk, 0)) << xml;
    }
  }
}

// The strings of a table and how its reading ends, by the scanner, which takes strings of
// plain text in one pass, or by expat alone.
std::string stringsAndEnd(const std::string& xml, std::size_t chunk, bool scanner,
                          const ReadLimits& limits) {
  XlsxSharedStrings table(limits);
  XmlStream stream("book.xlsx", "xl/sharedStrings.xml", table, chunk);
  if (scanner) {
    stream.reset([&xml] { return std::make_unique<MemoryPartSource>(xml); });
  } else {
    stream.reset(std::make_unique<MemoryPartSource>(xml));
  }
  std::string end;
  try {
    stream.parseAll();
    end = std::to_string(table.poolBytes()) + " bytes";
  } catch (const WorkbookError& e) {
    end = e.what();
  }
  std::string out;
  for (std::size_t i = 0; i < table.size(); ++i)
    out += std::string(table.at(i)) + "|";
  return out + end;
}

TEST(XlsxSharedStrings, PlainStringsReadInOnePassAsTheirEventsDo) {
  const std::string items =
      "<si><t>plain</t></si><si><t>a &amp; b</t></si><si><t xml:space=\"preserve\"> x </t></si>"
      "<si><r><t>ri</t></r><r><t>ch</t></r></si><si><t>_x0041_</t></si><si><t>caf\xC3\xA9</t></si>"
      "<si><t></t></si><si><t/></si><si><t>two\nlines</t></si><si><t>a\r\nb</t></si>";
  ReadLimits limits;
  limits.maxCellTextBytes = 12;
  for (const std::string& more : {std::string(), std::string("<si><t>thirteen byte</t></si>")}) {
    const std::string xml = "<sst>" + items + more + "<si><t>last</t></si></sst>";
    EXPECT_EQ(stringsAndEnd(xml, 65536, false, limits)
                  .find("plain|a & b| x |rich|A|caf\xC3\xA9|||two\nlines|a\nb|"),
              0u);
    for (std::size_t chunk : {1, 5, 64, 65536}) {
      EXPECT_EQ(stringsAndEnd(xml, chunk, true, limits), stringsAndEnd(xml, chunk, false, limits))
          << "chunk " << chunk;
    }
  }
}

}  // namespace
}  // namespace quillmere::source::xlsx
