// The number-format fixtures of tests/source/fixtures/xls (made by make_fixtures.py there),
// read as the sheet shows them and as text forms, against texts worked out by hand from the
// format rules.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>

#include "source/SheetTsv.h"
#include "source/Workbook.h"

namespace quillmere::source {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(QUILLMERE_FIXTURES_DIR) / "xls";

std::string dump(const char* name, CellText as) {
  auto workbook = openWorkbook(kFixtures / name);
  std::ostringstream out;
  writeSheetTsv(workbook->sheet(), out, as);
  return out.str();
}

const char* const kFormatsShown =
    "Format\tValue\n"
    "00000\t01234\n"
    "0000 0000000\t0151 2345678\n"
    "(###) ###-####\t(555) 123-4567\n"
    "#,##0.00;(#,##0.00)\t(1,234.50)\n"
    "d mmmm yyyy\t13 March 1985\n"
    "[h]:mm\t36:00\n"
    "# ?/?\t1 1/4\n"
    "\u2116 0000\t\u2116 0042\n"
    "0.00E+00\t1.23E+04\n"
    "0;-0;\"zero\";\"text \"@\tzero\n"
    "m/d/yyyy\t3/1/2024\n"
    "0.00% and #,##0\t50.00%\t1,234,567\n"
    "m/d/yyyy h:mm\t3/1/2024 18:00\n"
    // An id no record defines, an XF too short to name one, a FORMAT whose text runs past its
    // record, a style past the XF records.
    "General\t1234\t1234\t1234\t1234\n"
    "text\t0151 2\n";

const char* const kFormatsStored =
    "Format\tValue\n"
    "00000\t1234\n"
    "0000 0000000\t1512345678\n"
    "(###) ###-####\t5551234567\n"
    "#,##0.00;(#,##0.00)\t-1234.5\n"
    "d mmmm yyyy\t31119\n"
    "[h]:mm\t1.5\n"
    "# ?/?\t1.25\n"
    "\u2116 0000\t42\n"
    "0.00E+00\t12345\n"
    "0;-0;\"zero\";\"text \"@\t0\n"
    "m/d/yyyy\t45352\n"
    "0.00% and #,##0\t0.5\t1234567\n"
    "m/d/yyyy h:mm\t45352.75\n"
    "General\t1234\t1234\t1234\t1234\n"
    "text\t0151 2\n";

struct Formatted {
  const char* file;
  const char* stored;
  const char* shown;
};

void PrintTo(const Formatted& f, std::ostream* out) {
  *out << f.file;
}

class XlsNumberFormats : public ::testing::TestWithParam<Formatted> {};

TEST_P(XlsNumberFormats, ShowEachNumberThroughItsStyleAndKeepTheTextForms) {
  EXPECT_EQ(dump(GetParam().file, CellText::AsShown), GetParam().shown);
  EXPECT_EQ(dump(GetParam().file, CellText::TextForm), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, XlsNumberFormats,
    ::testing::Values(
        // BIFF8: NUMBER, RK, MULRK and formula cells under FORMAT codes and built-in ids.
        Formatted{"number-formats.xls", kFormatsStored, kFormatsShown},
        // The same records with the rows backwards, which the reader sorts.
        Formatted{"number-formats-out-of-order.xls", kFormatsStored, kFormatsShown},
        // The DATEMODE record: serial 31119 is 14 March 1989, 0 is 1 January 1904.
        Formatted{"number-formats-1904.xls",
                  "Format\tValue\nd mmmm yyyy\t31119\nm/d/yyyy\t0\n[h]:mm\t1.5\n",
                  "Format\tValue\nd mmmm yyyy\t14 March 1989\nm/d/yyyy\t1/1/1904\n"
                  "[h]:mm\t36:00\n"},
        // BIFF5: codes in the code page (a euro sign in Windows-1252), built-in d-mmm-yy, 0%.
        Formatted{"biff5-number-formats.xls", "1234\t12.5\t45352\t0.25\n",
                  "01234\t12.50 \u20ac\t1-Mar-24\t25%\n"},
        // BIFF4 and BIFF3: FORMAT records by place (General, 0.00, 00000, d-mmm-yy), and an
        // XF naming a place without a record. The BIFF4 workbook counts from 1904 (1234 is
        // 19 May 1907), the BIFF3 sheet from 1900 (18 May 1903).
        Formatted{"biff4-number-formats.xls", "1234\t1234\t1234\t1234\t1234\n",
                  "1234\t1234.00\t01234\t19-May-07\t1234\n"},
        Formatted{"biff3-number-formats.xls", "1234\t1234\t1234\t1234\t1234\n",
                  "1234\t1234.00\t01234\t18-May-03\t1234\n"},
        // BIFF2: cells name their FORMAT record in their attributes, whose top two bits
        // belong to the font; a 1904 sheet.
        Formatted{"biff2-number-formats.xls", "42\t2.5\t0\t7\t7\n",
                  "00042\t2.50\t1-Jan-04\t00007\t00007\n"},
        // A style naming a kept FORMAT record, one past the 4,096 kept, a code too long.
        Formatted{"format-records-past-the-limits.xls", "1234\t1234\t1234\n",
                  "01234\t1234\t1234\n"}),
    [](const ::testing::TestParamInfo<Formatted>& param) {
      std::string name = param.param.file;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(XlsNumberFormats, SheetsWithoutStyleRecordsShowGeneral) {
  // The older fixtures' cells all name XF 15, and none has an XF record.
  EXPECT_EQ(dump("cell-kinds.xls", CellText::AsShown), dump("cell-kinds.xls", CellText::TextForm));
  EXPECT_EQ(dump("biff2-cells.xls", CellText::AsShown),
            dump("biff2-cells.xls", CellText::TextForm));
}

}  // namespace
}  // namespace quillmere::source
