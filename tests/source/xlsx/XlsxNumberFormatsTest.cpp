// Workbooks written by libxlsxwriter with the number formats contact lists use, read as the
// sheet shows them and compared with the texts the format rules give, worked out by hand.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "tests/source/xlsx/GeneratedWorkbook.h"

namespace quillmere::source::xlsx {
namespace {

namespace fs = std::filesystem;

// One cell of column B: a number under a format code, or under a built-in format id when
// the code is empty; its text form, and the text the sheet shows.
struct Formatted {
  const char* code;
  int builtinId;
  double value;
  const char* stored;
  const char* shown;
};

const std::vector<Formatted> kFormats = {
    {"00000", 0, 1234, "1234", "01234"},
    {"0000 0000000", 0, 1512345678, "1512345678", "0151 2345678"},
    {"(###) ###-####", 0, 5551234567, "5551234567", "(555) 123-4567"},
    {"+49 0## ########", 0, 15123456789, "15123456789", "+49 151 23456789"},
    {"\"ID \"00000", 0, 42, "42", "ID 00042"},
    {"#,##0.00", 0, 1234567.891, "1234567.891", "1,234,567.89"},
    {"0.00%", 0, 0.1234, "0.1234", "12.34%"},
    {"0.00E+00", 0, 12345, "12345", "1.23E+04"},
    {"#,##0.00;(#,##0.00)", 0, -1234.5, "-1234.5", "(1,234.50)"},
    {"[Red]0.0;[Blue]-0.0", 0, -2.25, "-2.25", "-2.3"},
    {"[>=1000000]0.0,,\"M\";0", 0, 2500000, "2500000", "2.5M"},
    {"0;-0;\"zero\";\"text \"@", 0, 0, "0", "zero"},
    {"@", 0, 42, "42", "42"},
    {"General", 0, 0.1 + 0.2, "0.3", "0.3"},
    {"yyyy-mm-dd", 0, 45352, "45352", "2024-03-01"},
    {"d mmmm yyyy", 0, 31119, "31119", "13 March 1985"},
    {"dddd, mmmm d, yyyy", 0, 45352, "45352", "Friday, March 1, 2024"},
    {"h:mm AM/PM", 0, 0.75, "0.75", "6:00 PM"},
    {"hh:mm:ss", 0, 45352.520833333333, "45352.5208333333", "12:30:00"},
    {"[h]:mm", 0, 1.5, "1.5", "36:00"},
    {"[mm]:ss", 0, 0.0625, "0.0625", "90:00"},
    {"# ?/?", 0, 1.25, "1.25", "1 1/4"},
    {"# ?/8", 0, 2.375, "2.375", "2 3/8"},
    {"", 14, 45352, "45352", "3/1/2024"},
    {"", 22, 45352.75, "45352.75", "3/1/2024 18:00"},
    {"", 10, 0.5, "0.5", "50.00%"},
    {"", 3, 1234567, "1234567", "1,234,567"},
    // The accounting format: "_(" and "_)" leave a space each, "* " fills nothing.
    {"", 44, 1234.5, "1234.5", " $1,234.50 "},
};

// The same serial numbers counted from 1 January 1904.
const std::vector<Formatted> kDates1904 = {
    {"yyyy-mm-dd", 0, 0, "0", "1904-01-01"},
    {"yyyy-mm-dd", 0, 45352, "45352", "2028-03-02"},
    {"d mmmm yyyy", 0, 31119, "31119", "14 March 1989"},
    {"", 14, 1, "1", "1/2/1904"},
    {"h:mm", 0, 0.25, "0.25", "6:00"},
};

struct CloseBook {
  void operator()(lxw_workbook* book) const { workbook_close(book); }
};

// Column A names the format, column B holds the number; row 1 is a header, and the last row
// holds text under a number format, which stays as it is.
void writeFormats(const fs::path& file, const std::vector<Formatted>& cells) {
  std::unique_ptr<lxw_workbook, CloseBook> book(workbook_new(file.c_str()));
  ASSERT_TRUE(book);
  lxw_worksheet* sheet = workbook_add_worksheet(book.get(), nullptr);
  ASSERT_NE(sheet, nullptr);
  ASSERT_EQ(worksheet_write_string(sheet, 0, 0, "Format", nullptr), LXW_NO_ERROR);
  ASSERT_EQ(worksheet_write_string(sheet, 0, 1, "Value", nullptr), LXW_NO_ERROR);
  lxw_row_t row = 1;
  for (const Formatted& cell : cells) {
    lxw_format* format = workbook_add_format(book.get());
    ASSERT_NE(format, nullptr);
    if (cell.builtinId != 0) {
      format_set_num_format_index(format, static_cast<std::uint8_t>(cell.builtinId));
    } else {
      format_set_num_format(format, cell.code);
    }
    const std::string name =
        cell.builtinId != 0 ? "id " + std::to_string(cell.builtinId) : cell.code;
    ASSERT_EQ(worksheet_write_string(sheet, row, 0, name.c_str(), nullptr), LXW_NO_ERROR);
    ASSERT_EQ(worksheet_write_number(sheet, row, 1, cell.value, format), LXW_NO_ERROR);
    ++row;
  }
  lxw_format* zeros = workbook_add_format(book.get());
  format_set_num_format(zeros, "00000");
  ASSERT_EQ(worksheet_write_string(sheet, row, 0, "text", nullptr), LXW_NO_ERROR);
  ASSERT_EQ(worksheet_write_string(sheet, row, 1, "0151 2", zeros), LXW_NO_ERROR);
  ASSERT_EQ(workbook_close(book.release()), LXW_NO_ERROR);
}

std::string dump(const fs::path& file, CellText as) {
  auto workbook = openWorkbook(file);
  std::ostringstream out;
  writeSheetTsv(workbook->sheet(), out, as);
  return out.str();
}

std::string expectedSheet(const std::vector<Formatted>& cells, bool shown) {
  std::string tsv = "Format\tValue\n";
  for (const Formatted& cell : cells) {
    tsv += cell.builtinId != 0 ? "id " + std::to_string(cell.builtinId) : cell.code;
    tsv += '\t';
    tsv += shown ? cell.shown : cell.stored;
    tsv += '\n';
  }
  return tsv + "text\t0151 2\n";
}

TEST(XlsxNumberFormats, NumbersReadAsShownFollowTheirCellsFormats) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "formats.xlsx";
  writeFormats(file, kFormats);
  EXPECT_EQ(dump(file, CellText::AsShown), expectedSheet(kFormats, true));
}

TEST(XlsxNumberFormats, TextFormsStayWhatTheyAreWhateverTheFormat) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "formats.xlsx";
  writeFormats(file, kFormats);
  EXPECT_EQ(dump(file, CellText::TextForm), expectedSheet(kFormats, false));
}

TEST(XlsxNumberFormats, DatesOfA1904WorkbookCountFrom1904) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "dates-1904.xlsx";
  writeFormats(file, kDates1904);
  testing::setDate1904(file);
  EXPECT_EQ(dump(file, CellText::AsShown), expectedSheet(kDates1904, true));
}

// Fixtures of make-fixtures.py whose styles part is odd; every number cell holds 1234.
struct OddStyles {
  const char* file;
  const char* stored;
  const char* shown;
};

void PrintTo(const OddStyles& f, std::ostream* out) {
  *out << f.file;
}

class XlsxOddStyles : public ::testing::TestWithParam<OddStyles> {};

TEST_P(XlsxOddStyles, ShowWhatTheyCanAndGeneralForTheRest) {
  const fs::path file = fs::path(QUILLMERE_FIXTURES_DIR) / "xlsx" / GetParam().file;
  EXPECT_EQ(dump(file, CellText::AsShown), GetParam().shown);
  EXPECT_EQ(dump(file, CellText::TextForm), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, XlsxOddStyles,
    ::testing::Values(
        // No style, "00000", an id that is no number, an id without a code, a code too long,
        // a style without an id, the built-in m/d/yyyy, a style past the list, an s that is no
        // number, and text under "00000".
        OddStyles{"styles-odd-entries.xlsx",
                  "1234\t1234\t1234\t1234\t1234\t1234\t1234\t1234\t1234\t0151\n",
                  "1234\t01234\t1234\t1234\t1234\t1234\t5/18/1903\t1234\t1234\t0151\n"},
        // The default style is formatted, style 1 is General.
        OddStyles{"styles-default-style-formatted.xlsx", "1234\t1234\n", "01234\t1234\n"},
        // A code past the limit, the last style kept, and two styles past the limit.
        OddStyles{"styles-past-the-limits.xlsx", "1234\t1234\t1234\t1234\n",
                  "1234\t0001234\t1234\t1234\n"}),
    [](const ::testing::TestParamInfo<OddStyles>& param) {
      std::string name = param.param.file;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace quillmere::source::xlsx
