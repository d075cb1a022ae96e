#include <gtest/gtest.h>

#include "core/CounterText.h"

namespace quillmere::core {
namespace {

TEST(CounterText, ANumberThatIsNotNegativeKeepsASpaceForItsSign) {
  EXPECT_EQ(withSignPlace(0), " 0");
  EXPECT_EQ(withSignPlace(25), " 25");
  EXPECT_EQ(withSignPlace(1048575), " 1048575");
  EXPECT_EQ(withSignPlace(-1), "-1");
}

TEST(CounterText, CaptionsCountAgainstTheDataRows) {
  EXPECT_EQ(counterCaption(3, 10), " 3/10");
  EXPECT_EQ(counterCaption(0, 0), " 0/0");
  EXPECT_EQ(counterCaption(1048575, 1048575), " 1048575/1048575");
}

}  // namespace
}  // namespace quillmere::core
