#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "source/csv/LineDecoder.h"

namespace quillmere::source::csv {
namespace {

using Stop = LineDecoder::Stop;

struct Decoded {
  std::string text;
  Stop stop = Stop::None;
  std::uint64_t stopOffset = 0;
  bool sawUtf8 = false;
  bool sawWindows1252 = false;
};

// Decodes `bytes`, the file's text from offset 100, in pieces of `step` bytes the way the
// sheet reads them: each piece behind the bytes held back from the one before.
Decoded decode(const std::string& bytes, std::size_t step) {
  LineDecoder decoder(100);
  std::vector<char> buffer, scratch;
  std::size_t end = 0;  // decoded text in buffer
  Decoded result;
  for (std::size_t at = 0; at < bytes.size(); at += step) {
    const std::string_view piece = std::string_view(bytes).substr(at, step);
    const std::size_t held = decoder.held();
    buffer.resize(std::max(buffer.size(), end + held + piece.size()));
    std::copy(piece.begin(), piece.end(), buffer.begin() + static_cast<long>(end + held));
    end += decoder.decode(buffer, end, held + piece.size(), scratch);
    if (decoder.stop() != Stop::None) break;
  }
  if (decoder.stop() == Stop::None) end += decoder.finish(buffer, end);
  result.text.assign(buffer.data(), end);
  result.stop = decoder.stop();
  result.stopOffset = decoder.stopOffset();
  result.sawUtf8 = decoder.sawUtf8();
  result.sawWindows1252 = decoder.sawWindows1252();
  return result;
}

struct LineCase {
  const char* name;
  std::string bytes;
  std::string text;
  bool sawUtf8;
  bool sawWindows1252;
};

const std::vector<LineCase> kLineCases = {
    {"Ascii", "plain,ASCII\r\ntext that is longer than sixteen bytes\n",
     "plain,ASCII\r\ntext that is longer than sixteen bytes\n", false, false},
    {"Utf8", "Zo\xC3\xAB \xE6\x97\xA5\n\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF\n",
     "Zo\xC3\xAB \xE6\x97\xA5\n\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF\n", true, false},
    {"Windows1252", "ok\ncaf\xE9 \x80 \x93q\x94\n",
     "ok\ncaf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D\n", false, true},
    // The five bytes Windows-1252 leaves undefined keep their C1 code points.
    {"Windows1252Undefined", "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D",
     false, true},
    // Only the line with the stray byte is Windows-1252; lines after it are UTF-8 again.
    {"OneStrayLine", "Zo\xC3\xAB\nab caf\xE9\nM\xC3\xBC\n",
     "Zo\xC3\xAB\nab caf\xC3\xA9\nM\xC3\xBC\n", true, true},
    {"Windows1252FirstThenUtf8", "\xC5sa\r\xC3\x85sa\r\n\xC5sa",
     "\xC3\x85sa\r\xC3\x85sa\r\n\xC3\x85sa", true, true},
    // Forms that look like UTF-8 but are not: each byte of them is Windows-1252.
    {"Overlong", "a\xC0\xAF\n", "a\xC3\x80\xC2\xAF\n", false, true},
    {"OverlongThreeBytes", "\xE0\x80\xAF", "\xC3\xA0\xE2\x82\xAC\xC2\xAF", false, true},
    {"Surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC", false, true},
    {"PastTheLastCharacter", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC", false,
     true},
    {"NoSuchLeadByte", "\xF5\x41", "\xC3\xB5\x41", false, true},
    {"StrayContinuationByte", "12345678\x80\n", "12345678\xE2\x82\xAC\n", false, true},
    {"CharacterCutByALineEnd", "\xC3\n\xC3\xA9", "\xC3\x83\n\xC3\xA9", true, true},
    {"CharacterCutByTheEndOfTheFile", "\xC3\xAB\n\xE2\x82", "\xC3\xAB\n\xC3\xA2\xE2\x80\x9A", true,
     true},
};

void PrintTo(const LineCase& c, std::ostream* out) {
  *out << c.name;
}

class LineDecoding : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineDecoding, DecodesEachLineByItsOwnBytesWhereverThePiecesSplit) {
  const LineCase& c = GetParam();
  for (std::size_t step = 1; step <= c.bytes.size(); ++step) {
    const Decoded result = decode(c.bytes, step);
    EXPECT_EQ(result.stop, Stop::None) << step;
    EXPECT_EQ(result.text, c.text) << step;
    EXPECT_EQ(result.sawUtf8, c.sawUtf8) << step;
    EXPECT_EQ(result.sawWindows1252, c.sawWindows1252) << step;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LineDecoding, ::testing::ValuesIn(kLineCases),
                         [](const ::testing::TestParamInfo<LineCase>& param) {
                           return std::string(param.param.name);
                         });

TEST(LineDecoder, StopsAtANulByte) {
  for (const std::size_t step : {std::size_t{1}, std::size_t{3}, std::size_t{1000}}) {
    const Decoded ascii = decode(std::string(70, 'a') + std::string("\0b", 2), step);
    EXPECT_EQ(ascii.stop, Stop::NulByte);
    EXPECT_EQ(ascii.stopOffset, 170U);
    // In a line with other characters, in a Windows-1252 line, and inside a character.
    const Decoded accented = decode(std::string("\xC3\xA9x\0", 4), step);
    EXPECT_EQ(accented.stop, Stop::NulByte);
    EXPECT_EQ(accented.stopOffset, 103U);
    const Decoded windows = decode(std::string("\xE9x\0", 3), step);
    EXPECT_EQ(windows.stop, Stop::NulByte);
    EXPECT_EQ(windows.stopOffset, 102U);
    const Decoded cut = decode(std::string("\xE2\x82\0", 3), step);
    EXPECT_EQ(cut.stop, Stop::NulByte);
    EXPECT_EQ(cut.stopOffset, 102U);
  }
}

TEST(LineDecoder, StopsAtALineWithUtf8AndStrayBytes) {
  for (const std::size_t step : {std::size_t{1}, std::size_t{2}, std::size_t{1000}}) {
    const Decoded mixed = decode("ok\nZo\xC3\xAB caf\xE9\nmore \xE9\n", step);
    EXPECT_EQ(mixed.stop, Stop::MixedLine) << step;
    EXPECT_EQ(mixed.stopOffset, 105U) << step;  // the line's first byte above 0x7F
    // The stray byte may come first, and a character the file's end cuts off is stray.
    const Decoded strayFirst = decode("ok\n\xE9 Zo\xC3\xAB", step);
    EXPECT_EQ(strayFirst.stop, Stop::MixedLine) << step;
    EXPECT_EQ(strayFirst.stopOffset, 103U) << step;
    const Decoded cut = decode("\xC3\xA9 \xC3", step);
    EXPECT_EQ(cut.stop, Stop::MixedLine) << step;
    EXPECT_EQ(cut.stopOffset, 100U) << step;
  }
}

TEST(LineDecoder, LeavesTextThatNeedsNoChangeWhereItIs) {
  // A piece that needs decoding only from its middle keeps what comes before in place.
  LineDecoder decoder(0);
  std::vector<char> buffer = {'a', '\xC3', '\xA9', '\n', '\xE9', '\n', 'z'};
  const char* const before = buffer.data();
  std::vector<char> scratch;
  EXPECT_EQ(decoder.decode(buffer, 0, 4, scratch), 4U);
  EXPECT_EQ(buffer.data(), before);
  EXPECT_TRUE(scratch.empty());
  EXPECT_EQ(decoder.decode(buffer, 4, 3, scratch), 4U);
  EXPECT_EQ(std::string(buffer.data(), 8), "a\xC3\xA9\n\xC3\xA9\nz");
}

}  // namespace
}  // namespace quillmere::source::csv
