// The small pieces of the package reader: part names, escapes, ISO dates, shared strings and
// relationships.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "source/WorkbookError.h"
#include "source/xlsx/DecimalNumber.h"
#include "source/xlsx/IsoDate.h"
#include "source/xlsx/MemoryPartSource.h"
#include "source/xlsx/PartPath.h"
#include "source/xlsx/Relationships.h"
#include "source/xlsx/TextEscapes.h"
#include "source/xlsx/WorkbookPart.h"
#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/XmlStream.h"

namespace quillmere::source::xlsx {
namespace {

using Kind = WorkbookError::Kind;

void parse(XmlHandler& handler, const std::string& xml, std::size_t chunkBytes = 65536) {
  XmlStream stream("book.xlsx", "part.xml", handler, chunkBytes);
  stream.reset(std::make_unique<MemoryPartSource>(xml));
  stream.parseAll();
}

TEST(PartPath, TargetsResolveAgainstTheSourcePartsFolder) {
  struct Case {
    const char* source;
    const char* target;
    const char* part;
  };
  for (const Case& c : {
           Case{"", "xl/workbook.xml", "xl/workbook.xml"},
           Case{"", "/xl/workbook.xml", "xl/workbook.xml"},
           Case{"xl/workbook.xml", "worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
           Case{"xl/workbook.xml", "/xl/worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
           Case{"xl/workbook.xml", "worksheets\\sheet1.xml", "xl/worksheets/sheet1.xml"},
           Case{"xl/workbook.xml", "./worksheets/../sharedStrings.xml", "xl/sharedStrings.xml"},
           Case{"xl/workbook.xml", "../../../x.xml", "x.xml"},
           Case{"xl/workbook.xml", "my%20sheet.xml", "xl/my sheet.xml"},
           Case{"xl/workbook.xml", "100%.xml", "xl/100%.xml"},
           Case{"xl/workbook.xml", "a%2", "xl/a%2"},
       }) {
    EXPECT_EQ(resolveTarget(c.source, c.target), c.part) << c.source << " + " << c.target;
  }
}

TEST(PartPath, KeysIgnoreCaseSlashDirectionAndLeadingSlash) {
  EXPECT_EQ(partKey("XL\\Worksheets\\Sheet1.XML"), "xl/worksheets/sheet1.xml");
  EXPECT_EQ(partKey("/xl/workbook.xml"), partKey("xl/workbook.xml"));
  EXPECT_NE(partKey("xl/sheet1.xml"), partKey("xl/sheet2.xml"));
  EXPECT_EQ(partKey("///"), "");
}

TEST(PartPath, RelationshipsLiveInARelsFolderBesideThePart) {
  EXPECT_EQ(relationshipsPartOf("xl/workbook.xml"), "xl/_rels/workbook.xml.rels");
  EXPECT_EQ(relationshipsPartOf("workbook.xml"), "_rels/workbook.xml.rels");
}

TEST(TextEscapes, DecodeToUtf8) {
  struct Case {
    const char* escaped;
    const char* decoded;
  };
  for (const Case& c : {
           Case{"plain", "plain"},
           Case{"_x0041_", "A"},
           Case{"a_x000D__x000A_b", "a\r\nb"},
           Case{"_x005F_x0041_", "_x0041_"},
           Case{"_x00e9_", "\xC3\xA9"},
           Case{"_x20AC_", "\xE2\x82\xAC"},
           Case{"_xD83D__xDE00_", "\xF0\x9F\x98\x80"},
           Case{"_xD83D_x", "\xEF\xBF\xBDx"},
           Case{"_xDE00_", "\xEF\xBF\xBD"},
           Case{"_x004_", "_x004_"},
           Case{"_x00G1_", "_x00G1_"},
           Case{"_x0041", "_x0041"},
           Case{"__x0041__", "_A_"},
       }) {
    std::string text = c.escaped;
    decodeEscapes(text);
    EXPECT_EQ(text, c.decoded) << c.escaped;
  }
}

TEST(TextEscapes, LeaveTextBeforeTheStartAlone) {
  std::string text = "_x0041_|_x0042_";
  decodeEscapes(text, 7);
  EXPECT_EQ(text, "_x0041_|B");
}

TEST(DecimalNumber, ReadsTheNearestDouble) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {
           Case{"0", 0.0},
           Case{"42", 42.0},
           Case{"-0.5", -0.5},
           Case{"+7", 7.0},
           Case{"0.1", 0.1},
           Case{".5", 0.5},
           Case{"5.", 5.0},
           Case{"1.25E-3", 1.25e-3},
           Case{"1e22", 1e22},
           Case{"123456789012345678", 123456789012345678.0},
           Case{"9007199254740993", 9007199254740993.0},
           Case{"0.30000000000000004", 0.30000000000000004},
           Case{"1.7976931348623157E+308", 1.7976931348623157e308},
           Case{"4.9406564584124654E-324", 4.9406564584124654e-324},
           Case{"1E-400", 0.0},
           Case{"00000000000000000000001.5", 1.5},
           Case{"12345678901234567890123", 12345678901234567890123.0},
       }) {
    const auto value = parseDecimal(c.text);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.value) << c.text;
  }
  EXPECT_TRUE(std::isinf(*parseDecimal("1E+400")));
}

TEST(DecimalNumber, RefusesWhatIsNoNumber) {
  for (const char* text : {"", "-", ".", "1e", "1e+", "12abc", "1.2.3", "0x10", "1,5", "e5", "--1",
                           "+-1", "+-1e400"}) {
    EXPECT_FALSE(parseDecimal(text).has_value()) << text;
  }
}

TEST(IsoDate, SerialsMatchTheSpreadsheetCalendar) {
  struct Case {
    const char* text;
    bool date1904;
    double serial;
  };
  for (const Case& c : {
           Case{"1900-01-01", false, 1},
           Case{"1900-02-28", false, 59},
           Case{"1900-03-01", false, 61},
           Case{"2024-02-29", false, 45351},
           Case{"2024-03-01T12:00:00", false, 45352.5},
           Case{"2024-03-01T06:00", false, 45352.25},
           Case{"2024-03-01T00:00:00.5", false, 45352 + 0.5 / 86400},
           Case{"2024-03-01T18:00:00+02:00", false, 45352.75},
           Case{"T12:00:00", false, 0.5},
           Case{"10:10:10", false, 36610.0 / 86400},
           Case{"23:59", true, 86340.0 / 86400},
           Case{"00:00:00.25", false, 0.25 / 86400},
           Case{"24:00:00", false, 1},
           Case{"1904-01-01", true, 0},
           Case{"2024-03-01", true, 45352 - 1462},
       }) {
    const auto serial = isoDateSerial(c.text, c.date1904);
    ASSERT_TRUE(serial.has_value()) << c.text;
    EXPECT_NEAR(*serial, c.serial, 1e-9) << c.text;
  }
}

TEST(IsoDate, MalformedDatesAreRefused) {
  for (const char* text : {"",
                           "2024",
                           "2024-13-01",
                           "2023-02-29",
                           "2024-04-31",
                           "24-01-01",
                           "2024-01-01T",
                           "2024-01-01T25:00",
                           "2024-01-01 12:00",
                           "2024-01-01T12:00:00X",
                           "2024-01-01T12:00:00.",
                           "24:30",
                           "24:00:01",
                           "10:10:1",
                           "1:10:10",
                           "10:60",
                           "10-10-10",
                           "next Tuesday",
                           "T",
                           "10:10:10 "}) {
    EXPECT_FALSE(isoDateSerial(text, false).has_value()) << text;
  }
}

const char* const kSharedStrings =
    "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"5\" "
    "uniqueCount=\"5\"><si><t>plain</t></si><si/><si><r><t>rich</t></r><r><rPr><b/></rPr>"
    "<t xml:space=\"preserve\"> runs</t></r><rPh sb=\"0\" eb=\"1\"><t>PHONETIC</t></rPh></si>"
    "<si><t>a_x000A_b</t><phoneticPr fontId=\"1\"/></si><si><t>&lt;&amp;&gt;</t></si></sst>";

TEST(XlsxSharedStrings, PoolHoldsEveryStringInOrderAtEveryChunkSize) {
  for (std::size_t chunk : {1, 2, 3, 4, 5, 65536}) {
    XlsxSharedStrings strings;
    parse(strings, kSharedStrings, chunk);
    ASSERT_EQ(strings.size(), 5u) << "chunk " << chunk;
    EXPECT_EQ(strings.at(0), "plain");
    EXPECT_EQ(strings.at(1), "");
    EXPECT_EQ(strings.at(2), "rich runs");
    EXPECT_EQ(strings.at(3), "a\nb");
    EXPECT_EQ(strings.at(4), "<&>");
    EXPECT_EQ(strings.poolBytes(), 5u + 0 + 9 + 3 + 3);
  }
}

TEST(XlsxSharedStrings, OneStringOverTheCellLimitIsRefused) {
  ReadLimits limits;
  limits.maxCellTextBytes = 8;
  XlsxSharedStrings strings(limits);
  try {
    parse(strings,
          "<sst><si><t>12345678</t></si><si><r><t>12345</t></r><r><t>6789</t></r></si>"
          "</sst>");
    FAIL() << "took a 9-byte string";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::LimitExceeded);
    EXPECT_NE(std::string(e.what()).find("shared string 2 longer than 8 bytes"), std::string::npos)
        << e.what();
  }
}

TEST(XlsxSharedStrings, ATableOverItsBytesOrItsStringsIsRefused) {
  const ReadLimits tenBytes{.maxSharedStringBytes = 10};
  const ReadLimits twoStrings{.maxSharedStrings = 2};
  const struct {
    ReadLimits limits;
    const char* xml;
    const char* phrase;
  } cases[] = {
      {tenBytes, "<sst><si><t>12345</t></si><si><t>67890</t></si><si><t>x</t></si></sst>",
       "10 bytes of shared strings"},
      // Empty strings take no bytes of text, but each its place in the table.
      {twoStrings, "<sst><si/><si/><si/></sst>", "more than 2 shared strings"},
      {twoStrings, "<sst><si><t>a</t></si><si><t>b</t></si><si><t>c</t></si></sst>",
       "more than 2 shared strings"},
  };
  for (const auto& c : cases) {
    XlsxSharedStrings strings(c.limits);
    try {
      parse(strings, c.xml);
      ADD_FAILURE() << "took " << c.xml;
    } catch (const WorkbookError& e) {
      EXPECT_EQ(e.kind(), Kind::LimitExceeded) << c.xml;
      EXPECT_NE(std::string(e.what()).find(c.phrase), std::string::npos) << e.what();
    }
  }
}

TEST(XlsxSharedStrings, HugeAnnouncedCountReservesNoHugeTable) {
  XlsxSharedStrings strings;
  parse(strings, "<sst uniqueCount=\"99999999999999\"><si><t>x</t></si></sst>");
  EXPECT_EQ(strings.size(), 1u);
}

// Fuzzing found a second table element after the first strings: its announced count moved
// the string ends while the strings already published were still read through them.
TEST(XlsxSharedStrings, ASecondTableElementLeavesTheStringsReadSoFarInPlace) {
  XlsxSharedStrings strings;
  parse(strings,
        "<x><sst uniqueCount=\"1\"><si><t>first</t></si><si><t>second</t></si></sst>"
        "<sst uniqueCount=\"5000\"/><si><t>third</t></si></x>");
  ASSERT_EQ(strings.size(), 3u);
  EXPECT_EQ(strings.at(0), "first");
  EXPECT_EQ(strings.at(1), "second");
  EXPECT_EQ(strings.at(2), "third");

  XlsxSharedStrings cut;
  EXPECT_THROW(parse(cut, "<sst><si><t>kept</t></si><sst uniqueCount=\"5000\">"), WorkbookError);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut.at(0), "kept");
}

TEST(Relationships, FindsByIdAndByKindInBothNamespaces) {
  Relationships relationships("xl/workbook.xml");
  parse(relationships,
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://purl.oclc.org/ooxml/officeDocument/"
        "relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/sharedStrings\" Target=\"/xl/sharedStrings.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"http://x/hyperlink\" Target=\"http://example.invalid/\" "
        "TargetMode=\"External\"/></Relationships>");
  ASSERT_EQ(relationships.entries().size(), 3u);
  const auto* sheet = relationships.byId("rId1");
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->target, "xl/worksheets/sheet1.xml");
  EXPECT_TRUE(Relationships::isKind(*sheet, "worksheet"));
  EXPECT_FALSE(Relationships::isKind(*sheet, "sheet"));
  const auto* strings = relationships.byKind("sharedStrings");
  ASSERT_NE(strings, nullptr);
  EXPECT_EQ(strings->target, "xl/sharedStrings.xml");
  EXPECT_EQ(relationships.byId("rId3")->target, "");
  EXPECT_EQ(relationships.byId("rId9"), nullptr);
  EXPECT_EQ(relationships.byKind("hyperlink"), nullptr);
}

TEST(WorkbookPart, ListsSheetsInTabOrderWithAnyPrefix) {
  WorkbookPart workbook;
  parse(workbook,
        "<x:workbook xmlns:x=\"http://purl.oclc.org/ooxml/spreadsheetml/main\" xmlns:rel=\"urn:r\">"
        "<x:workbookPr date1904=\"true\"/><x:sheets><x:sheet name=\"B\" sheetId=\"2\" "
        "rel:id=\"rId2\" state=\"hidden\"/><x:sheet name=\"A\" sheetId=\"1\" rel:id=\"rId1\"/>"
        "</x:sheets></x:workbook>",
        3);
  EXPECT_TRUE(workbook.isWorkbook());
  EXPECT_TRUE(workbook.date1904());
  ASSERT_EQ(workbook.sheets().size(), 2u);
  EXPECT_EQ(workbook.sheets()[0].name, "B");
  EXPECT_EQ(workbook.sheets()[0].relationshipId, "rId2");
  EXPECT_EQ(workbook.sheets()[1].relationshipId, "rId1");
}

TEST(WorkbookPart, OtherRootIsNoWorkbook) {
  WorkbookPart part;
  parse(part, "<document><sheets><sheet r:id=\"x\" xmlns:r=\"urn:r\"/></sheets></document>");
  EXPECT_FALSE(part.isWorkbook());
}

TEST(XmlStream, TruncatedDocumentIsCorruptAndNamesThePart) {
  WorkbookPart part;
  try {
    parse(part, "<workbook><sheets>");
    FAIL() << "accepted half a document";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::Corrupt);
    EXPECT_NE(std::string(e.what()).find("\"book.xlsx\" is damaged: its part part.xml"),
              std::string::npos)
        << e.what();
  }
}

TEST(XmlStream, EndlessTagIsRefusedInsteadOfBuffered) {
  WorkbookPart part;
  std::string xml = "<workbook><sheets><sheet name=\"";
  // Well past the limit: bytes are counted a whole chunk at a time.
  xml.append(XmlStream::kMaxConstructBytes + (1 << 20), 'a');
  xml += "\"/></sheets></workbook>";
  try {
    // Large chunks spare expat rescanning the growing tag after every small one.
    parse(part, xml, 1 << 20);
    FAIL() << "buffered the whole tag";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::LimitExceeded) << e.what();
    EXPECT_NE(std::string(e.what()).find("single XML tag"), std::string::npos) << e.what();
  }
}

TEST(XmlStream, LongTextIsNoEndlessTag) {
  // Text arrives in pieces, each one an event, so a long text node is read in bounded memory.
  ReadLimits limits;
  limits.maxCellTextBytes = XmlStream::kMaxConstructBytes * 2;
  XlsxSharedStrings strings(limits);
  std::string xml = "<sst><si><t>";
  xml.append(XmlStream::kMaxConstructBytes + 1024, 'a');
  xml += "</t></si></sst>";
  parse(strings, xml);
  ASSERT_EQ(strings.size(), 1u);
  EXPECT_EQ(strings.at(0).size(), XmlStream::kMaxConstructBytes + 1024);
}

TEST(XmlStream, ManyShortCommentsAreNoLongConstruct) {
  // 20 MB of comments, each a construct of its own.
  std::string xml = "<workbook>";
  while (xml.size() < 20'000'000)
    xml += "<!-- a note -->";
  xml += "<sheets><sheet name=\"A\" r:id=\"rId1\" xmlns:r=\"urn:r\"/></sheets></workbook>";
  WorkbookPart part;
  parse(part, xml, XmlStream::kDefaultChunkBytes);
  ASSERT_EQ(part.sheets().size(), 1u);
  EXPECT_EQ(part.sheets()[0].name, "A");
}

TEST(XmlStream, OneLongConstructIsRefusedAndNamed) {
  struct Case {
    const char* open;
    const char* close;  // empty: the part ends inside the construct
    const char* named;
  };
  for (const Case& c : {
           Case{"<!--", "-->", "single XML comment longer than 16 MiB"},
           Case{"<?note ", "?>", "single XML processing instruction"},
           Case{"<sheets a=\"", "\"/>", "single XML tag"},
           Case{"<sheets a=\"", "", "single XML tag"},
           Case{"<!--", "", "single XML comment"},
       }) {
    std::string xml = "<workbook>";
    xml += c.open;
    xml.append(XmlStream::kMaxConstructBytes + 10, 'a');
    xml += c.close;
    if (*c.close != '\0') xml += "</workbook>";
    WorkbookPart part;
    try {
      parse(part, xml, XmlStream::kDefaultChunkBytes);
      FAIL() << "read " << c.open;
    } catch (const WorkbookError& e) {
      EXPECT_EQ(e.kind(), Kind::LimitExceeded) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
    }
  }
}

TEST(XmlStream, NestingPastTheDepthLimitIsRefused) {
  const auto nested = [](int depth) {
    std::string xml = "<workbook>";
    for (int i = 1; i < depth; ++i)
      xml += "<x>";
    for (int i = 1; i < depth; ++i)
      xml += "</x>";
    return xml + "</workbook>";
  };
  WorkbookPart part;
  EXPECT_NO_THROW(parse(part, nested(XmlStream::kMaxElementDepth), 5));
  try {
    parse(part, nested(XmlStream::kMaxElementDepth + 1), 5);
    FAIL() << "read past the depth limit";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::LimitExceeded) << e.what();
    EXPECT_NE(std::string(e.what()).find("nests XML elements more than 64 deep"), std::string::npos)
        << e.what();
  }
}

TEST(XmlStream, EntityDeclarationsAreRefused) {
  WorkbookPart part;
  for (const char* xml : {"<!DOCTYPE workbook><workbook/>",
                          "<!DOCTYPE workbook [<!ENTITY x \"y\">]><workbook>&x;</workbook>"}) {
    try {
      parse(part, xml, 1);
      FAIL() << "accepted " << xml;
    } catch (const WorkbookError& e) {
      EXPECT_EQ(e.kind(), Kind::LimitExceeded) << e.what();
    }
  }
}

}  // namespace
}  // namespace quillmere::source::xlsx
