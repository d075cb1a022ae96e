// Small files as spreadsheet programs write them, read through the opener.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "source/csv/CsvWorkbook.h"
#include "tests/source/csv/CsvTestFolder.h"

namespace quillmere::source::csv {
namespace {

const std::filesystem::path kFixtures = std::filesystem::path(QUILLMERE_FIXTURES_DIR) / "csv";

TEST(CsvFixture, GermanExcelExportIsSemicolonSeparatedWindows1252) {
  const auto path = kFixtures / "semicolon-windows-1252.csv";
  auto workbook = openCsvWorkbook(path, ReadLimits{}, kDefaultBufferBytes);
  EXPECT_EQ(workbook->textFormat().encoding, TextEncoding::Windows1252);
  EXPECT_EQ(workbook->textFormat().separator, ';');
  const std::vector<DumpedRow> expected = {
      {1, {"Vorname", "Nachname", "E-Mail", "Telefon", "Notiz"}},
      {2,
       {"J\xC3\xBCrgen", "M\xC3\xBCller", "juergen@example.de", "0301234567",
        "B\xC3\xBCro; 2. Stock"}},
      {3,
       {"Zo\xC3\xAB", "Gro\xC3\x9F", "zoe@example.de", "+49 40 123",
        "Sagt \"Hallo\"\r\nund tsch\xC3\xBCss"}},
      {4, {"", "", "", "", ""}},
      {5,
       {"\xC3\x85sa",
        "\xC3\x96"
        "berg",
        "", "", "Preis 5 \xE2\x82\xAC"}},
  };
  EXPECT_EQ(dumpRows(workbook->sheet()), expected);
}

TEST(CsvFixture, BigEndianUnicodeTextWithCrOnlyLineEnds) {
  auto workbook = openWorkbook(kFixtures / "utf16be-tab-cr.csv");
  const std::vector<DumpedRow> expected = {
      {1, {"Name", "City"}},
      {2, {"\xCE\xA9mega, Ltd", "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"}},
      {3, {"\xF0\x9F\x98\x80", ""}},
  };
  EXPECT_EQ(dumpRows(workbook->sheet()), expected);
}

TEST(CsvFixture, OneStrayByteLeavesTheOtherNamesInUtf8) {
  // 3,000 names in UTF-8; the line after the first 2,989 is "Ren\xE9,Dupont,..." with a
  // Windows-1252 e acute.
  const char* const first[] = {"Zo\xC3\xAB",    "J\xC3\xBCrgen", "Fran\xC3\xA7oise",
                               "\xC5\x81ukasz", "S\xC3\xB8ren",  "Ana\xC3\xAFs"};
  const char* const last[] = {"M\xC3\xBCller", "Gro\xC3\x9F", "\xC3\x85str\xC3\xB6m",
                              "Nu\xC3\xB1"
                              "ez",
                              "Dvo\xC5\x99\xC3\xA1k"};
  auto workbook = openWorkbook(kFixtures / "utf8-one-stray-line.csv");
  const std::vector<DumpedRow> rows = dumpRows(workbook->sheet());
  ASSERT_EQ(rows.size(), 3002U);
  EXPECT_EQ(rows.front().cells, (std::vector<std::string>{"First name", "Last name", "E-mail"}));
  std::size_t person = 0;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    if (r == 2990) {
      EXPECT_EQ(rows[r].cells,
                (std::vector<std::string>{"Ren\xC3\xA9", "Dupont", "rene@example.org"}));
      continue;
    }
    char mail[32];
    std::snprintf(mail, sizeof mail, "person%05zu@example.org", person);
    ASSERT_EQ(rows[r].cells, (std::vector<std::string>{first[person % 6], last[person % 5], mail}))
        << "row " << rows[r].row;
    ++person;
  }
}

TEST(CsvFixture, Windows1252LinesFirstAndUtf8LinesLaterAreEachReadInTheirOwn) {
  auto workbook = openWorkbook(kFixtures / "windows-1252-then-utf8.csv");
  EXPECT_EQ(dumpRows(workbook->sheet()),
            (std::vector<DumpedRow>{{1, {"Name", "City"}},
                                    {2, {"Jos\xC3\xA9", "M\xC3\xA1laga"}},
                                    {3, {"Zo\xC3\xAB", "K\xC3\xB6ln"}}}));
}

TEST(CsvFixture, UnicodeTextWithoutAByteOrderMark) {
  const std::vector<DumpedRow> expected = {
      {1, {"Name", "City"}},
      {2, {"J\xC3\xBCrgen", "K\xC3\xB6ln"}},
      {3, {"\xE5\xB1\xB1\xE7\x94\xB0", "\xE6\x9D\xB1\xE4\xBA\xAC"}}};
  for (const char* name : {"utf16le-no-mark.csv", "utf16be-no-mark.csv"}) {
    EXPECT_EQ(dumpRows(openWorkbook(kFixtures / name)->sheet()), expected) << name;
  }
}

// The line a NUL byte is on, counted from the fixture's own bytes.
std::string lineOfNul(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  const auto nul = bytes.find('\0');
  return "line " + std::to_string(
                       1 + std::count(bytes.begin(), bytes.begin() + static_cast<long>(nul), '\n'));
}

TEST(CsvFixture, DamagedTextIsRefusedNamingTheLine) {
  const struct {
    const char* file;
    WorkbookError::Kind kind;
    std::string phrase;
  } cases[] = {
      {"unclosed-quote.csv", WorkbookError::Kind::Corrupt,
       "has a quote on line 4 that opens a value but never closes it"},
      {"mixed-line.csv", WorkbookError::Kind::Corrupt, "mixes two text encodings in line 2"},
      {"nul-after-4-kib.csv", WorkbookError::Kind::Unsupported,
       lineOfNul(kFixtures / "nul-after-4-kib.csv") + " holds a NUL byte"},
  };
  for (const auto& c : cases) {
    try {
      dumpRows(openWorkbook(kFixtures / c.file)->sheet());
      ADD_FAILURE() << c.file << " read without an error";
    } catch (const WorkbookError& e) {
      EXPECT_EQ(e.kind(), c.kind) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.phrase), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace quillmere::source::csv
