#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "source/CellTextForm.h"
#include "source/numfmt/NumberFormat.h"

namespace quillmere::source::numfmt {
namespace {

// Qt sets the C locale from the desktop, so a German session writes "1,5" through printf.
// Both texts must stay the same there; the test needs such a locale on the machine.
class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
      if (std::setlocale(LC_NUMERIC, name) != nullptr) return;
    }
    GTEST_SKIP() << "no locale with a decimal comma is installed";
  }
  void TearDown() override { std::setlocale(LC_NUMERIC, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST_F(CommaLocale, TextFormKeepsThePoint) {
  EXPECT_EQ(formatNumber(42), "42");
  EXPECT_EQ(formatNumber(1.5), "1.5");
  EXPECT_EQ(formatNumber(1234567890123456.0), "1.23456789012346E+15");
}

TEST_F(CommaLocale, DisplayedTextKeepsThePoint) {
  EXPECT_EQ(NumberFormat::parse("#,##0.00").display(1234.5, false), "1,234.50");
  EXPECT_EQ(NumberFormat::parse("0.00E+00").display(12345, false), "1.23E+04");
  EXPECT_EQ(NumberFormat::parse("General").display(0.25, false), "0.25");
}

}  // namespace
}  // namespace quillmere::source::numfmt
