// Small files as spreadsheet programs write them, read through the opener.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "source/Workbook.h"
#include "source/csv/CsvWorkbook.h"
#include "tests/source/csv/CsvTestFolder.h"

namespace quillmere::source::csv {
namespace {

const std::filesystem::path kFixtures = std::filesystem::path(QUILLMERE_FIXTURES_DIR) / "csv";

TEST(CsvFixture, GermanExcelExportIsSemicolonSeparatedWindows1252) {
  const auto path = kFixtures / "semicolon-windows-1252.csv";
  auto workbook = openCsv(path, ReadLimits{}, kDefaultBufferBytes);
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
  EXPECT_EQ(dumpRows(workbook->firstSheet()), expected);
}

TEST(CsvFixture, BigEndianUnicodeTextWithCrOnlyLineEnds) {
  auto workbook = openWorkbook(kFixtures / "utf16be-tab-cr.csv");
  const std::vector<DumpedRow> expected = {
      {1, {"Name", "City"}},
      {2, {"\xCE\xA9mega, Ltd", "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"}},
      {3, {"\xF0\x9F\x98\x80", ""}},
  };
  EXPECT_EQ(dumpRows(workbook->firstSheet()), expected);
}

}  // namespace
}  // namespace quillmere::source::csv
