// Telling the encoding from a byte-order mark or from the bytes, and turning it into UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "source/WorkbookError.h"
#include "source/csv/CsvWorkbook.h"
#include "tests/source/csv/CsvTestFolder.h"

namespace quillmere::source::csv {
namespace {

using Kind = WorkbookError::Kind;

std::string utf16(const std::u16string& text, bool littleEndian) {
  std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t u : text) {
    const char low = static_cast<char>(u & 0xFF);
    const char high = static_cast<char>(u >> 8);
    bytes += littleEndian ? low : high;
    bytes += littleEndian ? high : low;
  }
  return bytes;
}

const std::vector<std::size_t> kBufferSizes = {1, 2, 3, 4, 5, 6, 7, kDefaultBufferBytes};

class CsvEncoding : public CsvTestFolder {
 protected:
  // The rows at every buffer size, which must agree; also reports the detected format.
  std::vector<DumpedRow> rowsOf(const std::string& bytes, CsvFormat* format = nullptr) {
    const auto path = write("encoded.csv", bytes);
    std::vector<DumpedRow> first;
    for (const std::size_t size : kBufferSizes) {
      auto workbook = openCsvWorkbook(path, ReadLimits{}, size);
      if (format) *format = workbook->textFormat();
      auto rows = dumpRows(workbook->sheet());
      if (size == kBufferSizes.front()) {
        first = rows;
      } else {
        EXPECT_EQ(rows, first) << "buffer of " << size << " bytes";
      }
    }
    return first;
  }

  WorkbookError errorOf(const std::string& name, const std::string& bytes) {
    const auto path = write(name, bytes);
    try {
      auto workbook = openCsvWorkbook(path, ReadLimits{}, 5);
      dumpRows(workbook->sheet());
    } catch (const WorkbookError& e) {
      EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
      return e;
    }
    ADD_FAILURE() << name << " was read without an error";
    return WorkbookError(Kind::NotFound, path, "");
  }
};

TEST_F(CsvEncoding, Utf8ByteOrderMarkIsNotPartOfTheFirstCell) {
  CsvFormat format;
  EXPECT_EQ(rowsOf("\xEF\xBB\xBFName,Mail\nZo\xC3\xAB,z@example.org\n", &format),
            (std::vector<DumpedRow>{{1, {"Name", "Mail"}}, {2, {"Zo\xC3\xAB", "z@example.org"}}}));
  EXPECT_EQ(format.encoding, TextEncoding::Utf8);
  EXPECT_EQ(format.textOffset, 3u);
}

TEST_F(CsvEncoding, Utf16InBothByteOrdersBecomesUtf8) {
  // A tab-separated "Unicode text" export with a quoted field, Hebrew and an emoji.
  const std::u16string text = u"Name\t\u05E9\u05DC\u05D5\u05DD\r\n\"a\"\"b\"\t\U0001F600\r\n";
  const std::vector<DumpedRow> expected = {{1, {"Name", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"}},
                                           {2, {"a\"b", "\xF0\x9F\x98\x80"}}};
  for (const bool little : {true, false}) {
    CsvFormat format;
    EXPECT_EQ(rowsOf(utf16(text, little), &format), expected) << little;
    EXPECT_EQ(format.encoding, little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be);
    EXPECT_EQ(format.separator, '\t');
  }
}

TEST_F(CsvEncoding, BytesThatAreNotUtf8AreWindows1252) {
  CsvFormat format;
  EXPECT_EQ(rowsOf("caf\xE9,\x80\x81\x8D\x8F\x90\x9D,\x93q\x94\n", &format),
            (std::vector<DumpedRow>{
                {1,
                 {"caf\xC3\xA9", "\xE2\x82\xAC\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D",
                  "\xE2\x80\x9Cq\xE2\x80\x9D"}}}));
  EXPECT_EQ(format.encoding, TextEncoding::Windows1252);
}

TEST_F(CsvEncoding, AStrayByteFarIntoTheFileChangesOnlyItsOwnLine) {
  // Valid UTF-8 but for one Windows-1252 byte after the sample.
  std::string bytes = "Zo\xC3\xAB,1\n";
  while (bytes.size() < 3 * kFormatSampleBytes)
    bytes += "M\xC3\xBCller,x\n";
  bytes += "caf\xE9,2\nJos\xC3\xA9,3\n";
  CsvFormat format;
  const auto rows = rowsOf(bytes, &format);
  EXPECT_EQ(format.encoding, TextEncoding::Utf8);
  ASSERT_GT(rows.size(), 3u);
  EXPECT_EQ(rows.front().cells.front(), "Zo\xC3\xAB");
  for (std::size_t r = 1; r + 2 < rows.size(); ++r)
    ASSERT_EQ(rows[r].cells.front(), "M\xC3\xBCller") << "row " << rows[r].row;
  EXPECT_EQ(rows[rows.size() - 2].cells.front(), "caf\xC3\xA9");
  EXPECT_EQ(rows.back().cells.front(), "Jos\xC3\xA9");
}

TEST_F(CsvEncoding, AFileStartingInWindows1252ReadsItsLaterUtf8AsUtf8) {
  CsvFormat format;
  EXPECT_EQ(rowsOf("caf\xE9,\x93q\x94\n\"Zo\xC3\xAB\nM\xC3\xBCller\",2\n\xC5sa,3\n", &format),
            (std::vector<DumpedRow>{{1, {"caf\xC3\xA9", "\xE2\x80\x9Cq\xE2\x80\x9D"}},
                                    {2, {"Zo\xC3\xAB\nM\xC3\xBCller", "2"}},
                                    {3, {"\xC3\x85sa", "3"}}}));
  EXPECT_EQ(format.encoding, TextEncoding::Utf8);
}

TEST_F(CsvEncoding, ALineMixingUtf8AndStrayBytesIsRefusedByItsNumber) {
  // Line 4 holds "Zo\xC3\xAB" and a Windows-1252 e acute; a quoted line break comes before.
  const std::string bytes = "Name,Note\n\"two\nlines\",x\nZo\xC3\xAB,caf\xE9\nlast,y\n";
  const auto error = errorOf("mixed.csv", bytes);
  EXPECT_EQ(error.kind(), Kind::Corrupt);
  EXPECT_NE(std::string(error.what()).find("line 4"), std::string::npos) << error.what();
  EXPECT_NE(std::string(error.what()).find("mixes two text encodings"), std::string::npos)
      << error.what();
}

TEST_F(CsvEncoding, AMarkedUtf8FileReadsAStrayLineAsWindows1252) {
  CsvFormat format;
  EXPECT_EQ(rowsOf("\xEF\xBB\xBFok\ncaf\xE9\nZo\xC3\xAB\n", &format),
            (std::vector<DumpedRow>{{1, {"ok"}}, {2, {"caf\xC3\xA9"}}, {3, {"Zo\xC3\xAB"}}}));
  EXPECT_EQ(format.textOffset, 3u);
}

// Lines past an ASCII sample are decoded as the reading reaches them, each by its own bytes.
class CsvEncodingAfterAsciiStart : public CsvEncoding {
 protected:
  static std::string asciiStart() {
    std::string bytes = "Name,Note\n";
    while (bytes.size() < 2 * kFormatSampleBytes + 3)
      bytes += "plain,\"a, b\"\n";
    return bytes;
  }
};

TEST_F(CsvEncodingAfterAsciiStart, LaterUtf8StaysUtf8) {
  CsvFormat format;
  const auto rows = rowsOf(asciiStart() + "Zo\xC3\xAB,\xE6\x97\xA5\n", &format);
  EXPECT_EQ(format.encoding, TextEncoding::Utf8);
  ASSERT_GT(rows.size(), 2u);
  EXPECT_EQ(rows.front().cells, (std::vector<std::string>{"Name", "Note"}));
  EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"plain", "a, b"}));
  EXPECT_EQ(rows.back().cells, (std::vector<std::string>{"Zo\xC3\xAB", "\xE6\x97\xA5"}));
}

TEST_F(CsvEncodingAfterAsciiStart, LaterWindows1252IsDecodedFromItsFirstByte) {
  const auto rows = rowsOf(asciiStart() + "caf\xE9,\x80 \"q\x94\"\nlast,row\n");
  ASSERT_GT(rows.size(), 3u);
  EXPECT_EQ(rows[rows.size() - 2].cells,
            (std::vector<std::string>{"caf\xC3\xA9", "\xE2\x82\xAC \"q\xE2\x80\x9D\""}));
  EXPECT_EQ(rows.back().cells, (std::vector<std::string>{"last", "row"}));
  EXPECT_EQ(rows[rows.size() - 3].cells, (std::vector<std::string>{"plain", "a, b"}));
}

TEST_F(CsvEncodingAfterAsciiStart, AStrayByteAfterValidUtf8ChangesOnlyItsLine) {
  std::string bytes = asciiStart() + "Zo\xC3\xAB,1\n";
  while (bytes.size() < 5 * kFormatSampleBytes)
    bytes += "x,y\n";
  const auto rows = rowsOf(bytes + "caf\xE9,2\nJos\xC3\xA9,3\n");
  ASSERT_GT(rows.size(), 3u);
  const auto zoe = std::find_if(rows.begin(), rows.end(),
                                [](const DumpedRow& r) { return r.cells.at(1) == "1"; });
  ASSERT_NE(zoe, rows.end());
  EXPECT_EQ(zoe->cells.front(), "Zo\xC3\xAB");
  EXPECT_EQ(rows[rows.size() - 2].cells.front(), "caf\xC3\xA9");
  EXPECT_EQ(rows.back().cells.front(), "Jos\xC3\xA9");
}

TEST_F(CsvEncodingAfterAsciiStart, AMixedLineIsRefusedByItsNumber) {
  // Each row of the ASCII start is one line.
  const std::string start = asciiStart();
  const auto lines = std::count(start.begin(), start.end(), '\n');
  const auto error = errorOf("late.csv", start + "ok\n\xE9 and \xC3\xA9\n");
  EXPECT_EQ(error.kind(), Kind::Corrupt);
  EXPECT_NE(std::string(error.what()).find("line " + std::to_string(lines + 2)), std::string::npos)
      << error.what();
}

TEST_F(CsvEncodingAfterAsciiStart, RereadingAfterTheSwitchGivesTheSameRows) {
  const auto path = write("switch.csv", asciiStart() + "caf\xE9,1\n");
  for (const std::size_t size : {std::size_t{7}, kDefaultBufferBytes}) {
    auto workbook = openCsvWorkbook(path, ReadLimits{}, size);
    const auto first = dumpRows(workbook->sheet());
    workbook->sheet().rewind();
    const auto second = dumpRows(workbook->sheet());
    EXPECT_EQ(first, second) << size;
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.back().cells.front(), "caf\xC3\xA9");
  }
}

TEST_F(CsvEncoding, MalformedUtf8FormsAreNotTakenForUtf8) {
  for (const std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"}) {
    CsvFormat format;
    rowsOf("a" + bad + "\n", &format);
    EXPECT_EQ(format.encoding, TextEncoding::Windows1252) << bad;
  }
}

TEST_F(CsvEncoding, BrokenUtf16IsCorrupt) {
  // An odd byte at the end, and a high surrogate followed by a plain character.
  EXPECT_EQ(errorOf("odd.csv", utf16(u"ab\r\n", true) + "x").kind(), Kind::Corrupt);
  EXPECT_EQ(errorOf("lone.csv", utf16(u"a\xD83D"
                                      u"b\r\n",
                                      false))
                .kind(),
            Kind::Corrupt);
  EXPECT_EQ(errorOf("low.csv", utf16(u"a\xDE00\r\n", true)).kind(), Kind::Corrupt);
  EXPECT_EQ(errorOf("cut.csv", utf16(u"a\xD83D", true)).kind(), Kind::Corrupt);
}

std::string utf16WithoutMark(const std::u16string& text, bool littleEndian) {
  return utf16(text, littleEndian).substr(2);
}

TEST_F(CsvEncoding, Utf16WithoutAByteOrderMarkIsToldByItsNulBytes) {
  const std::u16string text =
      u"Name;Stadt\r\nJ\u00FCrgen;K\u00F6ln\r\n\u5C71\u7530;\u6771\u4EAC\r\n";
  const std::vector<DumpedRow> expected = {
      {1, {"Name", "Stadt"}},
      {2, {"J\xC3\xBCrgen", "K\xC3\xB6ln"}},
      {3, {"\xE5\xB1\xB1\xE7\x94\xB0", "\xE6\x9D\xB1\xE4\xBA\xAC"}}};
  for (const bool little : {true, false}) {
    CsvFormat format;
    EXPECT_EQ(rowsOf(utf16WithoutMark(text, little), &format), expected) << little;
    EXPECT_EQ(format.encoding, little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be);
    EXPECT_EQ(format.textOffset, 0u);
    EXPECT_EQ(format.separator, ';');
  }
  // Through the opener, which once took such a file for binary data.
  const auto path = write("unmarked.csv", utf16WithoutMark(text, true));
  EXPECT_EQ(dumpRows(openWorkbook(path)->sheet()), expected);
}

// A NUL byte is refused wherever it is: in the first bytes, far into an ASCII file, far
// into a file with other characters, and as a NUL character in UTF-16.
TEST_F(CsvEncoding, ANulByteIsRefusedWhereverItIs) {
  std::string ascii;
  for (int line = 1; ascii.size() < 3 * kFormatSampleBytes; ++line)
    ascii += "row " + std::to_string(line) + ",x\n";
  const auto asciiLines = std::count(ascii.begin(), ascii.end(), '\n');
  const struct {
    const char* name;
    std::string bytes;
    std::string where;
  } cases[] = {
      {"early.csv", std::string("Name,Mail\nAnna,a\0@example.org\n", 30), "line 2"},
      {"late.csv", ascii + std::string("a,\0\n", 5), "line " + std::to_string(asciiLines + 1)},
      {"accented.csv", "Zo\xC3\xAB\n" + ascii + std::string("\0", 1),
       "line " + std::to_string(asciiLines + 2)},
      {"utf16.csv", utf16(u"a,b\r\nc,", true) + std::string("\0\0", 2), "line 2"},
  };
  for (const auto& c : cases) {
    const auto error = errorOf(c.name, c.bytes);
    EXPECT_EQ(error.kind(), Kind::Unsupported) << c.name;
    const std::string message = error.what();
    EXPECT_NE(message.find("not a spreadsheet Quillmere can read"), std::string::npos) << message;
    EXPECT_NE(message.find(c.where + " holds a NUL byte"), std::string::npos) << message;
    // The opener gives the same answer.
    try {
      dumpRows(openWorkbook(dir_ / c.name)->sheet());
      ADD_FAILURE() << c.name << " opened";
    } catch (const WorkbookError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
}

}  // namespace
}  // namespace quillmere::source::csv
