#include <gtest/gtest.h>

#include "source/CellReference.h"

namespace quillmere::source {
namespace {

TEST(CellReference, ColumnLettersRunFromAToXfd) {
  EXPECT_EQ(columnLetters(0), "A");
  EXPECT_EQ(columnLetters(25), "Z");
  EXPECT_EQ(columnLetters(26), "AA");
  EXPECT_EQ(columnLetters(52), "BA");
  EXPECT_EQ(columnLetters(701), "ZZ");
  EXPECT_EQ(columnLetters(702), "AAA");
  EXPECT_EQ(columnLetters(16383), "XFD");
}

TEST(CellReference, LettersAndIndexesRoundTripOverTheWholeGrid) {
  for (std::uint32_t column = 0; column < kMaxGridColumns; ++column) {
    ASSERT_EQ(parseColumnLetters(columnLetters(column)), column) << columnLetters(column);
  }
}

TEST(CellReference, ParsesReferences) {
  EXPECT_EQ(parseCellReference("A1"), (CellPosition{1, 0}));
  EXPECT_EQ(parseCellReference("AB12"), (CellPosition{12, 27}));
  EXPECT_EQ(parseCellReference("ab12"), (CellPosition{12, 27}));
  EXPECT_EQ(parseCellReference("XFD1048576"), (CellPosition{1048576, 16383}));
}

TEST(CellReference, RefusesMalformedAndOutOfGridReferences) {
  for (const char* bad : {"", "A", "1", "A0", "A01", "1A", "A1B", "A-1", "A 1", "XFE1", "A1048577",
                          "AAAAAAAAAAAAAAAAAAAAAAAAAA1", "A99999999999999999999"}) {
    EXPECT_FALSE(parseCellReference(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace quillmere::source
