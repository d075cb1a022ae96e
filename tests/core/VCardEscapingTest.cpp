#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/VCardRecord.h"
#include "core/VCardText.h"

namespace quillmere::core {
namespace {

using enum Field;

// The record's lines between VERSION and END:VCARD, split at CR LF only.
std::vector<std::string> bodyOf(const ContactValues& values, VCardVersion version) {
  const std::string record = buildRecord(values, version);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const auto end = record.find("\r\n", start);
    lines.push_back(record.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return {lines.begin() + 2, lines.end() - 1};
}

struct EscapeCase {
  const char* name;
  Field field;
  std::string value;
  std::string v30;  // the line in 3.0 and 4.0
  std::string v21;
};

class VCardEscaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(VCardEscaping, WritesTheLineForEachVersion) {
  const EscapeCase& c = GetParam();
  ContactValues values;
  values[FullName] = "x";  // keeps the FN line fixed so only the tested line varies
  values[c.field] = c.value;
  const auto line = [&](VCardVersion version) {
    const auto body = bodyOf(values, version);
    return c.field == FullName ? body.at(0) : body.at(1);
  };
  EXPECT_EQ(line(VCardVersion::V30), c.v30);
  EXPECT_EQ(line(VCardVersion::V40), c.v30);
  EXPECT_EQ(line(VCardVersion::V21), c.v21);
}

constexpr const char* kQp = ";CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:";

INSTANTIATE_TEST_SUITE_P(
    Values, VCardEscaping,
    ::testing::Values(
        EscapeCase{"CommaAndLineBreakInANote", Notes, "Met at the fair, booth 5\nRoom 2",
                   "NOTE:Met at the fair\\, booth 5\\nRoom 2",
                   std::string("NOTE") + kQp + "Met at the fair, booth 5=0D=0ARoom 2"},
        EscapeCase{"NonAsciiAndLineBreak", Notes, "Met in Łódź, booth 5\r\nRoom 2",
                   "NOTE:Met in Łódź\\, booth 5\\nRoom 2",
                   std::string("NOTE") + kQp + "Met in =C5=81=C3=B3d=C5=BA, booth 5=0D=0ARoom 2"},
        // 2.1 defines no escape outside a structured value's components; its readers keep
        // every backslash.
        EscapeCase{"SemicolonInText", FullName, "Smith;Jones", "FN:Smith\\;Jones",
                   "FN:Smith;Jones"},
        EscapeCase{"CommaInAName", FullName, "John Smith, Jr.", "FN:John Smith\\, Jr.",
                   "FN:John Smith, Jr."},
        EscapeCase{"Backslash", JobTitle, "R\\D", "TITLE:R\\\\D", "TITLE:R\\D"},
        // A URI is no text: its commas and semicolons are part of the address.
        EscapeCase{"UrlKeepsItsMarks", BusinessHomePage, "https://x.org/s?q=a,b;c\\d",
                   "URL:https://x.org/s?q=a,b;c\\d", "URL:https://x.org/s?q=a,b;c\\d"},
        EscapeCase{"EachBreakFormIsOneBreak", Notes, "a\r\nb\nc\rd\n\re",
                   "NOTE:a\\nb\\nc\\nd\\n\\ne",
                   std::string("NOTE") + kQp + "a=0D=0Ab=0D=0Ac=0D=0Ad=0D=0A=0D=0Ae"},
        EscapeCase{"ForgedPropertyStaysInsideTheValue", Notes, "x\r\nEND:VCARD\r\nTEL:1",
                   "NOTE:x\\nEND:VCARD\\nTEL:1",
                   std::string("NOTE") + kQp + "x=0D=0AEND:VCARD=0D=0ATEL:1"},
        EscapeCase{"EqualsIsLiteralWithoutEncoding", BusinessHomePage, "http://x.org/?a=1",
                   "URL:http://x.org/?a=1", "URL:http://x.org/?a=1"},
        EscapeCase{"EqualsIsEncodedInsideQuotedPrintable", Notes, "ü=1", "NOTE:ü=1",
                   std::string("NOTE") + kQp + "=C3=BC=3D1"},
        EscapeCase{"TypeParametersComeBeforeTheEncoding", MobileNumber, "+49 ☎ 1",
                   "TEL;CELL;VOICE:+49 ☎ 1",
                   std::string("TEL;CELL;VOICE") + kQp + "+49 =E2=98=8E 1"},
        EscapeCase{"CjkText", Company, "日本", "ORG:日本;",
                   std::string("ORG") + kQp + "=E6=97=A5=E6=9C=AC;"},
        EscapeCase{"TabAndControlTextStayLiteral", Notes, "a\tb", "NOTE:a\tb", "NOTE:a\tb"},
        // Long values are searched sixteen bytes at a time: marks on each side of a boundary,
        // a break split across one, and a plain tail.
        EscapeCase{
            "MarksAroundSixteenByteBoundaries", Notes,
            "0123456789abcde,;0123456789abc\r\n\\0123456789abcdef;tail of the note",
            "NOTE:0123456789abcde\\,\\;0123456789abc\\n\\\\0123456789abcdef\\;tail of the note",
            "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:0123456789abcde,;0123456789abc"
            "=0D=0A\\0123456789abcdef;tail of the note"}),
    [](const auto& param) { return std::string(param.param.name); });

// Values are searched sixteen bytes at a time, their rest in one load that may reach past
// their end (byte by byte at a page's end), so a mark is looked for at every place in values
// of every length up to three loads: in the middle of a page and ending at a page's end, with
// marks right after the value that must not count.
TEST(VCardEscapingPlaces, EveryMarkIsEscapedWhereverItLies) {
  const auto expected = [](std::string_view value) {
    std::string out;
    for (const char c : value)
      out += c == '\n' ? std::string("\\n") : c == 'a' ? std::string(1, c) : std::string{'\\', c};
    return out;
  };
  constexpr std::size_t kPage = 4096;
  const std::unique_ptr<char, decltype(&std::free)> pages(
      static_cast<char*>(std::aligned_alloc(kPage, 2 * kPage)), &std::free);
  ASSERT_NE(pages, nullptr);
  std::fill_n(pages.get(), 2 * kPage, ';');
  for (const std::size_t end : {std::size_t{200}, kPage}) {
    for (std::size_t size = 1; size <= 48; ++size) {
      for (std::size_t at = 0; at < size; ++at) {
        for (const char mark : {',', ';', '\\', '\n'}) {
          char* const value = pages.get() + end - size;
          std::fill_n(value, size, 'a');
          value[at] = mark;
          value[(at * 7 + 3) % size] = ',';
          std::string out = "x";
          appendEscaped(out, std::string_view(value, size), VCardDialect::V30);
          ASSERT_EQ(out, "x" + expected(std::string_view(value, size)))
              << "size " << size << ", mark at " << at << ", ending at " << end;
        }
      }
    }
  }
}

TEST(VCardEscapingComponents, SeparatorsStayBareAndComponentsAreEscaped) {
  ContactValues values;
  values[LastName] = "Smith;Jones";
  values[FirstName] = "John";
  values[MiddleName] = "Lee";
  values[Company] = "A, B & C";
  values[Department] = "R;D";
  values[BusinessAddressStreet] = "1 Main St; Suite 2";
  values[BusinessAddressCity] = "Paris";
  values[BusinessAddressCountry] = "F,R";
  for (const VCardVersion version : {VCardVersion::V30, VCardVersion::V40}) {
    EXPECT_EQ(bodyOf(values, version),
              (std::vector<std::string>{"N:Smith\\;Jones;John;Lee", "FN:John Smith\\;Jones",
                                        "ORG:A\\, B & C;R\\;D",
                                        "ADR;WORK:;;1 Main St\\; Suite 2;Paris;;;F\\,R"}))
        << version;
  }
  // 2.1 escapes only the semicolon inside a component.
  EXPECT_EQ(bodyOf(values, VCardVersion::V21),
            (std::vector<std::string>{"N:Smith\\;Jones;John;Lee", "FN:John Smith;Jones",
                                      "ORG:A, B & C;R\\;D",
                                      "ADR;WORK:;;1 Main St\\; Suite 2;Paris;;;F,R"}));
}

TEST(VCardEscapingComponents, QuotedPrintableCoversTheWholeStructuredValue) {
  ContactValues values;
  values[LastName] = "Müller";
  values[FirstName] = "Jürgen";
  values[HomeAddressCity] = "Köln";
  values[HomeAddressStreet] = "Haupt;str.";
  const auto body = bodyOf(values, VCardVersion::V21);
  EXPECT_EQ(body.at(0), std::string("N") + kQp + "M=C3=BCller;J=C3=BCrgen;");
  EXPECT_EQ(body.at(1), std::string("FN") + kQp + "J=C3=BCrgen M=C3=BCller");
  EXPECT_EQ(body.at(2), std::string("ADR;HOME") + kQp + ";;Haupt\\;str.;K=C3=B6ln;;;");
  EXPECT_EQ(bodyOf(values, VCardVersion::V30).at(2), "ADR;HOME:;;Haupt\\;str.;Köln;;;");
}

TEST(VCardEscapingComponents, DisplayNameEscapesEachPartThenJoins) {
  ContactValues values;
  values[FirstName] = "a,b";
  values[LastName] = "c\\d";
  EXPECT_EQ(bodyOf(values, VCardVersion::V30).at(1), "FN:a\\,b c\\\\d");
  values[LastName] = "c\nd";
  EXPECT_EQ(bodyOf(values, VCardVersion::V30).at(1), "FN:a\\,b c\\nd");
  EXPECT_EQ(bodyOf(values, VCardVersion::V21).at(1), std::string("FN") + kQp + "a,b c=0D=0Ad");
}

TEST(VCardEscapingComponents, NoValueEverBreaksARecordLine) {
  ContactValues values;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    values[static_cast<Field>(i)] = "x\r\ny\rz\n;,\\=ü";
  }
  for (const VCardVersion version : {VCardVersion::V21, VCardVersion::V30, VCardVersion::V40}) {
    const std::string record = buildRecord(values, version);
    for (std::size_t i = 0; i < record.size(); ++i) {
      if (record[i] == '\r') {
        ASSERT_LT(i + 1, record.size());
        EXPECT_EQ(record[i + 1], '\n') << version << " lone CR at " << i;
      } else if (record[i] == '\n') {
        EXPECT_EQ(record[i - 1], '\r') << version << " lone LF at " << i;
      }
    }
    EXPECT_EQ(bodyOf(values, version).size(), 15u) << version;
  }
}

}  // namespace
}  // namespace quillmere::core
