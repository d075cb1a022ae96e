#include <gtest/gtest.h>

#include <string>

#include "source/csv/CsvTextDecoder.h"

namespace quillmere::source::csv {
namespace {

// Decodes in pieces of `step` bytes; "!" marks a lone surrogate, "@" a NUL character.
std::string decodeInPieces(TextEncoding encoding, const std::string& in, std::size_t step) {
  CsvTextDecoder decoder(encoding);
  std::string out;
  for (std::size_t i = 0; i < in.size(); i += step) {
    const std::string_view piece = std::string_view(in).substr(i, step);
    std::string chunk(piece.size() * CsvTextDecoder::kMaxGrowth + CsvTextDecoder::kSlack, '\0');
    CsvTextDecoder::Fault fault = CsvTextDecoder::Fault::None;
    chunk.resize(decoder.decode(piece, chunk.data(), fault));
    out += chunk;
    if (fault == CsvTextDecoder::Fault::LoneSurrogate) return out + "!";
    if (fault == CsvTextDecoder::Fault::Nul) return out + "@";
  }
  if (!decoder.complete()) out += "~";
  return out;
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

TEST(CsvTextDecoder, RefusesANulCharacterInUtf16) {
  for (std::size_t step = 1; step <= 6; ++step) {
    EXPECT_EQ(decodeInPieces(TextEncoding::Utf16Le, std::string("a\0\0\0b\0", 6), step), "a@")
        << step;
    EXPECT_EQ(decodeInPieces(TextEncoding::Utf16Be, std::string("\0a\0\0\0b", 6), step), "a@")
        << step;
  }
}

}  // namespace
}  // namespace quillmere::source::csv
