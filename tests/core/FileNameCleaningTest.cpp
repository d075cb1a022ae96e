#include <gtest/gtest.h>

#include <string>

#include "core/FileNameCleaning.h"

namespace quillmere::core {
namespace {

struct CleaningCase {
  const char* name;
  std::string input;
  std::string expected;
};

class FileNameCleaning : public ::testing::TestWithParam<CleaningCase> {};

TEST_P(FileNameCleaning, ReplacesListedCharactersOnly) {
  EXPECT_EQ(strClean(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileNameCleaning,
    ::testing::Values(
        CleaningCase{"Empty", "", ""},
        CleaningCase{"AmpersandBringsItsOwnSpaces", "Smith & Sons", "Smith  and  Sons"},
        CleaningCase{"FullStopsBecomeSpaces", "J.R. Doe", "J R  Doe"},
        CleaningCase{"ColonBecomesHyphen", "10:30", "10-30"},
        CleaningCase{"UnderscoreAndFullStop", "a_b.c", "a b c"},
        CleaningCase{"OnlyListedCharactersGiveSpacesNotEmpty", "...", "   "},
        CleaningCase{"EdgeSpacesStay", " x.", " x "},
        CleaningCase{"VerticalBarUnchanged", "A|B", "A|B"},
        CleaningCase{"ApostropheUnchanged", "O'Brien", "O'Brien"},
        CleaningCase{"TwoAmpersands", "&&", " and  and "},
        CleaningCase{"AllSixteenSpaceCharacters", "?/\\*\"<>,#~%{}+_.", std::string(16, ' ')},
        CleaningCase{"OthersPassThrough", "a;b!c@d$e(f)g[h]i=j\tk\r\nl",
                     "a;b!c@d$e(f)g[h]i=j\tk\r\nl"},
        CleaningCase{"NonAsciiPassesThrough", "Müller/Łódź:日本", "Müller Łódź-日本"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FileNameCleaningResult, HasOneMoreOrLessCharacterPerReplacement) {
  const std::string input = "a&b:c?d";
  const std::string cleaned = strClean(input);
  EXPECT_EQ(cleaned.size(), input.size() + 4);
  EXPECT_EQ(input, "a&b:c?d");
}

}  // namespace
}  // namespace quillmere::core
