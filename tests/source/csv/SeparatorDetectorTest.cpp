#include <gtest/gtest.h>

#include <string>

#include "source/csv/SeparatorDetector.h"

namespace quillmere::source::csv {
namespace {

struct SeparatorCase {
  const char* sample;
  bool complete;
  char expected;
};

TEST(SeparatorDetector, PicksTheRegularMostFrequentCandidate) {
  const SeparatorCase cases[] = {
      {"a,b,c\n1,2,3\n", true, ','},
      {"a;b;c\n1;2;3\n", true, ';'},
      {"a\tb\n1\t2\n", true, '\t'},
      // Separators inside quotes do not count.
      {"Name;Note\nAnna;\"x, y, z\"\n", true, ';'},
      // Decimal commas in a semicolon file are irregular.
      {"Name;Amount\nAnna;1,50\nBen;2,75\n", true, ';'},
      {"a;b;c,d\n1;2;3,4\n", true, ';'},
      {"price,qty\n1,5;2\n", true, ','},
      // A tie goes to the comma.
      {"a;b,c\n1;2,3\n", true, ','},
      {"a;b\n\n\r\n1;2\n", true, ';'},
      // Spaces and tabs around values in a comma file.
      {"c1,c2 ,c3, c4,c5\n11 ,12,\t, ,15", true, ','},
      // A quoted line break does not end the record.
      {"a;\"x\ny,z\"\n1;2\n", true, ';'},
      {"a;b\r1;2\r", true, ';'},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(detectSeparator(c.sample, c.complete), c.expected) << c.sample;
  }
}

TEST(SeparatorDetector, FallsBackWhenNothingIsRegular) {
  EXPECT_EQ(detectSeparator("", true), ',');
  EXPECT_EQ(detectSeparator("just one column\nof text\n", true), ',');
  // Ragged rows: the candidate found in the most records.
  EXPECT_EQ(detectSeparator("a;b;c\n1;2\n3;4;5;6\nx,y\n", true), ';');
}

TEST(SeparatorDetector, IgnoresARecordCutOffByTheSampleEnd) {
  EXPECT_EQ(detectSeparator("a;b;c\n1;2;3\n4;5", false), ';');
  // The same text as a whole file has an irregular last record, so ';' is no longer regular
  // and ',' is not found at all: the most-records rule still gives ';'.
  EXPECT_EQ(detectSeparator("a;b;c\n1;2;3\n4,5", true), ';');
  EXPECT_EQ(detectSeparator("a,b\n1,2\n3;4;5;6;7;8\n", true), ',');
}

TEST(SeparatorDetector, LooksOnlyAtTheFirstRecords) {
  std::string sample;
  for (int i = 0; i < kSeparatorSampleRecords; ++i)
    sample += "a;b\n";
  sample += "1,2,3,4,5\n";
  EXPECT_EQ(detectSeparator(sample, true), ';');
}

}  // namespace
}  // namespace quillmere::source::csv
