#include <gtest/gtest.h>

#include <string_view>

#include "source/numfmt/BuiltinFormats.h"
#include "source/numfmt/NumberFormat.h"

namespace quillmere::source::numfmt {
namespace {

struct BuiltinCase {
  unsigned id;
  double value;
  std::string_view shown;
};

TEST(BuiltinFormats, KnowsTheEnUsCodes) {
  EXPECT_EQ(builtinFormatCode(0), "General");
  EXPECT_EQ(builtinFormatCode(1), "0");
  EXPECT_EQ(builtinFormatCode(14), "m/d/yyyy");
  EXPECT_EQ(builtinFormatCode(22), "m/d/yyyy h:mm");
  EXPECT_EQ(builtinFormatCode(37), "#,##0_);(#,##0)");
  EXPECT_EQ(builtinFormatCode(49), "@");
}

TEST(BuiltinFormats, IdsWithoutACodeAreEmpty) {
  for (const unsigned id : {23u, 30u, 36u, 50u, 164u, 100000u})
    EXPECT_TRUE(builtinFormatCode(id).empty()) << id;
}

TEST(BuiltinFormats, EveryCodeIsReadable) {
  for (unsigned id = 1; id < 49; ++id) {
    if (builtinFormatCode(id).empty()) continue;
    EXPECT_FALSE(NumberFormat::parse(builtinFormatCode(id)).isGeneral())
        << id << ": " << builtinFormatCode(id);
  }
}

TEST(BuiltinFormats, ShowWhatTheSheetShows) {
  const BuiltinCase cases[] = {
      {1, 1234.5, "1235"},
      {3, 1234567, "1,234,567"},
      {4, 1234.5, "1,234.50"},
      {5, -1234, "($1,234)"},
      {6, 1234, "$1,234 "},
      {9, 0.5, "50%"},
      {10, 0.5, "50.00%"},
      {11, 12345, "1.23E+04"},
      {12, 0.5, " 1/2"},
      {13, 0.75, "  3/4 "},
      {14, 45352, "3/1/2024"},
      {15, 45352, "1-Mar-24"},
      {16, 45352, "1-Mar"},
      {17, 45352, "Mar-24"},
      {18, 0.75, "6:00 PM"},
      {19, 0.75, "6:00:00 PM"},
      {20, 0.75, "18:00"},
      {21, 0.75, "18:00:00"},
      {22, 45352.75, "3/1/2024 18:00"},
      {37, -1234, "(1,234)"},
      {38, -1234, "(1,234)"},
      {39, 1234.5, "1,234.50 "},
      {41, 1234, " 1,234 "},
      {42, -1234, " $(1,234)"},
      {43, 0, " -   "},
      {44, 1234.5, " $1,234.50 "},
      {44, 0, " $-   "},
      {45, 0.0625, "30:00"},
      {46, 1.5, "36:00:00"},
      {47, 0.0625, "30:00.0"},
      {48, 12345, "12.3E+3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberFormat::parse(builtinFormatCode(c.id)).display(c.value, false), c.shown)
        << "format " << c.id << " with " << c.value;
  }
}

}  // namespace
}  // namespace quillmere::source::numfmt
