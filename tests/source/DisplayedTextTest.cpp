#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "source/CellFormats.h"
#include "source/DisplayedText.h"

namespace quillmere::source {
namespace {

// Styles 0-5 as a workbook lists them: General, a code of its own, two built-in ids, an id
// that is neither, and a built-in id the workbook gives a code of its own.
CellFormats workbookFormats(bool date1904 = false) {
  return CellFormats({0, 164, 14, 10, 200, 3},
                     {{164, "0000 0000000"}, {3, "#,##0.000"}, {165, "0.0"}}, date1904);
}

TEST(CellFormats, FindsEachStylesCodeAmongTheWorkbooksOwnAndTheBuiltInOnes) {
  const CellFormats formats = workbookFormats();
  EXPECT_EQ(formats.styleCount(), 6u);
  EXPECT_TRUE(formats.numberFormat(0).isGeneral());
  EXPECT_EQ(formats.numberFormat(1).display(1512345678, false), "0151 2345678");
  EXPECT_EQ(formats.numberFormat(2).display(31119, false), "3/13/1985") << "built-in m/d/yyyy";
  EXPECT_EQ(formats.numberFormat(3).display(0.125, false), "12.50%") << "built-in 0.00%";
  EXPECT_TRUE(formats.numberFormat(4).isGeneral()) << "id 200 has no code anywhere";
  EXPECT_EQ(formats.numberFormat(5).display(1234.5, false), "1,234.500")
      << "the workbook's own code for a built-in id wins";
}

TEST(CellFormats, StylesTheTableDoesNotHoldAreGeneral) {
  const CellFormats formats = workbookFormats();
  EXPECT_TRUE(formats.numberFormat(6).isGeneral());
  EXPECT_TRUE(formats.numberFormat(0xFFFFFFFF).isGeneral());
  EXPECT_TRUE(CellFormats::general().numberFormat(0).isGeneral());
  EXPECT_FALSE(CellFormats::general().date1904());
}

TEST(CellFormats, AStyleAskedAgainGetsTheSameParsedFormat) {
  const CellFormats formats({164, 7, 164}, {{164, "00000"}}, false);
  const numfmt::NumberFormat& first = formats.numberFormat(0);
  // Styles sharing an id share its parsed format, and asking again parses nothing new.
  EXPECT_EQ(&formats.numberFormat(2), &first);
  EXPECT_EQ(&formats.numberFormat(0), &first);
  EXPECT_NE(&formats.numberFormat(1), &first);
  EXPECT_EQ(first.display(1234, false), "01234");
}

TEST(DisplayedText, ShowsANumberThroughItsStylesFormat) {
  const CellFormats formats = workbookFormats();
  EXPECT_EQ(displayedText(CellValue::ofNumber(1512345678, 1), formats), "0151 2345678");
  EXPECT_EQ(displayedText(CellValue::ofNumber(31119, 2), formats), "3/13/1985");
  EXPECT_EQ(displayedText(CellValue::ofNumber(-0.5, 3), formats), "-50.00%");
}

TEST(DisplayedText, DatesCountFromTheWorkbooksDateSystem) {
  // 31119 is 13 March 1985 counted from 1900 and 14 March 1989 counted from 1904.
  EXPECT_EQ(displayedText(CellValue::ofNumber(31119, 2), workbookFormats(true)), "3/14/1989");
}

TEST(DisplayedText, GeneralAndUnreadableCodesGiveTheTextFormWithTheDecimalSeparator) {
  const CellFormats formats({0, 164, 165}, {{164, "0.00\"unclosed"}, {165, "General"}}, false);
  for (std::uint32_t style : {0u, 1u, 2u, 9u}) {
    EXPECT_EQ(displayedText(CellValue::ofNumber(1234.5, style), formats, ','), "1234,5") << style;
  }
  // A formatted number is written as the formatter writes it, whatever the separator.
  EXPECT_EQ(displayedText(CellValue::ofNumber(1234.5, 5), workbookFormats(), ','), "1,234.500");
}

TEST(DisplayedText, CellsOtherThanNumbersKeepTheirTextForm) {
  // A code with a text section would change a text cell's look; the option is about numbers.
  const CellFormats formats({164}, {{164, "0;-0;0;\"Name: \"@"}}, false);
  EXPECT_EQ(displayedText(CellValue::ofText("0151"), formats), "0151");
  EXPECT_EQ(displayedText(CellValue::ofBoolean(true), formats), "True");
  EXPECT_EQ(displayedText(CellValue::ofError("#N/A"), formats), "#N/A");
  EXPECT_EQ(displayedText(CellValue::empty(), formats), "");
  EXPECT_EQ(displayedText(CellValue::ofNumber(7.4), formats), "7");
}

TEST(DisplayedText, AppendsToWhatTheBufferHolds) {
  std::string out = "tel:";
  appendDisplayedText(out, CellValue::ofNumber(1512345678, 1), workbookFormats());
  appendDisplayedText(out, CellValue::ofNumber(0.5), workbookFormats(), ',');
  EXPECT_EQ(out, "tel:0151 23456780,5");
}

}  // namespace
}  // namespace quillmere::source
