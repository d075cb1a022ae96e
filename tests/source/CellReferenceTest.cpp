#include <gtest/gtest.h>

#include <string>
#include <string_view>

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

TEST(CellReference, ParsesRowNumbersAsUsersTypeThem) {
  EXPECT_EQ(parseRowNumber("3"), 3u);
  EXPECT_EQ(parseRowNumber("1048576"), 1048576u);
  for (const char* bad : {"", "0", "-1", "+2", " 3", "3x", "1048577", "99999999999"}) {
    EXPECT_FALSE(parseRowNumber(bad).has_value()) << bad;
  }
}

TEST(CellReference, RefusesMalformedAndOutOfGridReferences) {
  for (const char* bad : {"", "A", "1", "A0", "A01", "1A", "A1B", "A-1", "A 1", "XFE1", "A1048577",
                          "AAAAAAAAAAAAAAAAAAAAAAAAAA1", "A99999999999999999999"}) {
    EXPECT_FALSE(parseCellReference(bad).has_value()) << bad;
  }
}

TEST(CellReference, ScansReferencesAsWorksheetsWriteThem) {
  using Status = ScannedReference::Status;
  struct Case {
    std::string_view text;
    Status status;
    CellPosition position;
  };
  for (const Case& c : {
           Case{"A1", Status::Ok, {1, 0}},
           Case{"ab12", Status::Ok, {12, 27}},
           Case{"XFD1048576", Status::Ok, {1048576, 16383}},
           Case{"B", Status::Ok, {0, 1}},
           Case{"A0", Status::Ok, {0, 0}},
           Case{"C007", Status::Ok, {7, 2}},
           Case{"", Status::Malformed, {}},
           Case{"12", Status::Malformed, {}},
           Case{"A1B", Status::Malformed, {}},
           Case{"A 1", Status::Malformed, {}},
           Case{"XFE1", Status::ColumnTooLarge, {}},
           Case{"XFE!", Status::ColumnTooLarge, {}},
           Case{"AAAAAAAAAAAAAAAAAAAAAAAAAA1", Status::ColumnTooLarge, {}},
           Case{"A1048577", Status::RowTooLarge, {}},
           Case{"A99999999999999999999x", Status::RowTooLarge, {}},
       }) {
    // The text measured, the same text up to its NUL and up to a quote, read alike.
    const std::string terminated(c.text);
    const std::string quoted = terminated + '"' + std::string(kMostQuotedReferenceBytes, ' ');
    for (const auto& scanned :
         {scanCellReference(c.text.data(), c.text.data() + c.text.size()),
          scanCellReference(terminated.c_str()), scanCellReference(quoted.data(), '"')}) {
      EXPECT_EQ(scanned.status, c.status) << c.text;
      if (c.status == Status::Ok) {
        EXPECT_EQ(scanned.position, c.position) << c.text;
      }
    }
  }
}

TEST(CellReference, ScanningStopsWhereTheTextDoes) {
  const std::string_view text = "AB123";
  const auto scanned = scanCellReference(text.data(), text.data() + 3);
  EXPECT_EQ(scanned.status, ScannedReference::Status::Ok);
  EXPECT_EQ(scanned.position, (CellPosition{1, 27}));
  EXPECT_EQ(scanned.end, text.data() + 3);
  // An attribute's value as a worksheet's bytes hold it, up to its closing quote.
  const std::string_view quoted = "C07\" t=\"s\"><v>12</v></c>";
  ASSERT_GE(quoted.size(), std::size_t{kMostQuotedReferenceBytes});
  const auto inQuotes = scanCellReference(quoted.data(), '"');
  EXPECT_EQ(inQuotes.status, ScannedReference::Status::Ok);
  EXPECT_EQ(inQuotes.position, (CellPosition{7, 2}));
  EXPECT_EQ(inQuotes.end, quoted.data() + 3);
  // Leading zeros that run on past the bytes it reads are refused there, and read elsewhere.
  const std::string zeros = "A" + std::string(12, '0') + "1\"" + std::string(20, ' ');
  EXPECT_EQ(scanCellReference(zeros.data(), '"').status, ScannedReference::Status::Malformed);
  EXPECT_EQ(scanCellReference(zeros.data(), zeros.data() + 14).position, (CellPosition{1, 0}));
}

}  // namespace
}  // namespace quillmere::source
