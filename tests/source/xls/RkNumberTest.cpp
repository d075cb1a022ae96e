#include <gtest/gtest.h>

#include <cstdint>

#include "source/xls/RkNumber.h"

namespace quillmere::source::xls {
namespace {

struct RkCase {
  const char* form;
  std::uint32_t rk;
  double value;
};

class RkNumber : public ::testing::TestWithParam<RkCase> {};

TEST_P(RkNumber, DecodesToTheStoredValue) {
  EXPECT_EQ(decodeRk(GetParam().rk), GetParam().value) << GetParam().form;
}

INSTANTIATE_TEST_SUITE_P(
    AllFourForms, RkNumber,
    ::testing::Values(
        RkCase{"integer", (42U << 2) | 2U, 42.0},
        RkCase{"negative integer", static_cast<std::uint32_t>(-5 * 4) | 2U, -5.0},
        RkCase{"largest integer", (0x1FFFFFFFU << 2) | 2U, 536870911.0},
        RkCase{"smallest integer", 0x80000002U, -536870912.0},
        RkCase{"integer over 100", (1234U << 2) | 3U, 12.34},
        RkCase{"negative integer over 100", static_cast<std::uint32_t>(-150 * 4) | 3U, -1.5},
        RkCase{"double", 0x3FF00000U, 1.0}, RkCase{"negative double", 0xC0040000U, -2.5},
        RkCase{"double over 100", 0x405EC000U | 1U, 1.23}, RkCase{"zero", 0x00000000U, 0.0}));

}  // namespace
}  // namespace quillmere::source::xls
