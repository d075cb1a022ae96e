#include <gtest/gtest.h>

#include <string>

#include "source/csv/TextDecoder.h"

namespace quillmere::source::csv {
namespace {

// Decodes in pieces of `step` bytes; "!" marks the place of an error.
std::string decodeInPieces(TextEncoding encoding, const std::string& in, std::size_t step) {
  TextDecoder decoder(encoding);
  std::string out;
  for (std::size_t i = 0; i < in.size(); i += step) {
    const std::string_view piece = std::string_view(in).substr(i, step);
    std::string chunk(piece.size() * TextDecoder::kMaxGrowth + TextDecoder::kSlack, '\0');
    bool ok = true;
    chunk.resize(decoder.decode(piece, chunk.data(), ok));
    out += chunk;
    if (!ok) return out + "!";
  }
  if (!decoder.complete()) out += "~";
  return out;
}

TEST(CsvTextDecoder, MapsWindows1252ToUtf8) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"plain", "plain"},
      {"\x80", "\xE2\x82\xAC"},  // euro sign
      {"\x8A\x9A\x9F", "\xC5\xA0\xC5\xA1\xC5\xB8"},
      {"\x96\x97\x99", "\xE2\x80\x93\xE2\x80\x94\xE2\x84\xA2"},
      // The five bytes Windows-1252 leaves undefined keep their C1 code points.
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
      {"\xA0\xE9\xFF", "\xC2\xA0\xC3\xA9\xC3\xBF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(decodeInPieces(TextEncoding::Windows1252, c.in, 1), c.out) << c.in;
  }
}

TEST(CsvTextDecoder, JoinsUtf16UnitsAndPairsSplitAnywhere) {
  // "a", e acute, euro sign, U+1F600 as a surrogate pair.
  const std::string little("a\0\xE9\0\xAC\x20\x3D\xD8\x00\xDE", 10);
  const std::string big("\0a\0\xE9\x20\xAC\xD8\x3D\xDE\x00", 10);
  const std::string expected = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  for (std::size_t step = 1; step <= little.size(); ++step) {
    EXPECT_EQ(decodeInPieces(TextEncoding::Utf16Le, little, step), expected) << step;
    EXPECT_EQ(decodeInPieces(TextEncoding::Utf16Be, big, step), expected) << step;
  }
}

TEST(CsvTextDecoder, RefusesLoneSurrogatesAndReportsAHalfCharacterAtTheEnd) {
  EXPECT_EQ(decodeInPieces(TextEncoding::Utf16Le, std::string("\x00\xDC", 2), 2), "!");
  EXPECT_EQ(decodeInPieces(TextEncoding::Utf16Le, std::string("\x3D\xD8x\0", 4), 4), "!");
  EXPECT_EQ(decodeInPieces(TextEncoding::Utf16Le, std::string("x\0\x3D\xD8", 4), 1), "x~");
  EXPECT_EQ(decodeInPieces(TextEncoding::Utf16Be, std::string("\0x\0", 3), 3), "x~");
}

}  // namespace
}  // namespace quillmere::source::csv
