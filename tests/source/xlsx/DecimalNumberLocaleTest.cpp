// A cell's number text always has a decimal point, whatever the desktop's locale: the window
// sets the C locale from it, so a German session must read "1.5E+400" as a point-decimal too.
#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "source/xlsx/DecimalNumber.h"

namespace quillmere::source::xlsx {
namespace {

class DecimalNumberCommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
      if (std::setlocale(LC_ALL, name) != nullptr) return;
    }
    GTEST_SKIP() << "no locale with a decimal comma is installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

 private:
  std::string saved_;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST_F(DecimalNumberCommaLocale, ReadsTheSameDoubleAsUnderTheCLocale) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {
           // Short decimals, read without a library call.
           Case{"1.5", 1.5},
           Case{"-0.25", -0.25},
           // Long mantissas and far exponents, read by the library.
           Case{"0.1000000000000000055511151231257827", 0.1},
           Case{"3.14159265358979323846264338327950288", 3.141592653589793},
           Case{"12345678901234567890.5", 12345678901234567890.5},
           Case{"1.5E+300", 1.5e300},
           Case{"2.5E-310", 2.5e-310},
           Case{"4.9406564584124654E-324", 4.9406564584124654e-324},
           // Past the double range: infinity; below its smallest subnormal: zero, signed.
           Case{"1.5E+400", kInfinity},
           Case{"-1.5E+400", -kInfinity},
           Case{"+1.5e400", kInfinity},
           Case{"1797693134862315800000000000000000000000000000000000000000000000000000000000000"
                "0000000000000000000000000000000000000000000000000000000000000000000000000000000"
                "0000000000000000000000000000000000000000000000000000000000000000000000000000000"
                "0000000000000000000000000000000000000000000000000000000000000000000000000000000"
                ".5",
                kInfinity},
           Case{"2.5E-400", 0.0},
           Case{"-2.5E-400", -0.0},
           Case{"0.0000000000000000000000000000000000000000000001e-300", 0.0},
           Case{"-123456789012345678901234567890e-400", -0.0},
           Case{"0.000001e+400", kInfinity},
           Case{"1e-99999999999999999999", 0.0},
           Case{"-1e99999999999999999999", -kInfinity},
           Case{"inf", kInfinity},
       }) {
    const std::optional<double> value = parseDecimal(c.text);
    ASSERT_TRUE(value.has_value()) << c.text;
    // Bit for bit, so that -0 is not taken for 0.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*value), std::bit_cast<std::uint64_t>(c.value))
        << c.text << " read as " << *value;
  }
  EXPECT_TRUE(std::isnan(parseDecimal("nan").value_or(0.0)));
}

TEST_F(DecimalNumberCommaLocale, RefusesACommaAsTheDecimalMark) {
  for (const char* text :
       {"1,5", "1,5E+400", "-2,5E-400", "3,14159265358979323846264338327950288"}) {
    EXPECT_FALSE(parseDecimal(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace quillmere::source::xlsx
