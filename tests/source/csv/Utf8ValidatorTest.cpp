#include <gtest/gtest.h>

#include <string>

#include "source/csv/Utf8Validator.h"

namespace quillmere::source::csv {
namespace {

struct Utf8Case {
  std::string bytes;
  bool valid;               // no malformed byte
  bool complete;            // valid, and not ending inside a character
  std::uint64_t badOffset;  // where the malformed character starts
};

const Utf8Case kCases[] = {
    {"plain ASCII text that is longer than one word", true, true, 0},
    {"Zo\xC3\xAB \xE6\x97\xA5 \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF", true, true, 0},
    {"\xEF\xBF\xBD\xED\x9F\xBF", true, true, 0},
    {"abc\xC0\xAF", false, false, 3},         // overlong '/'
    {"abc\xC1\xBF", false, false, 3},         // overlong
    {"ab\xE0\x80\xAF", false, false, 2},      // overlong three-byte form
    {"ab\xF0\x80\x80\xAF", false, false, 2},  // overlong four-byte form
    {"\xED\xA0\x80", false, false, 0},        // a surrogate
    {"\xF4\x90\x80\x80", false, false, 0},    // past U+10FFFF
    {"\xF5\x80\x80\x80", false, false, 0},    // no such lead byte
    {"12345678\x80", false, false, 8},        // a stray continuation byte
    {"caf\xE9 noir", false, false, 3},        // Windows-1252 e acute
    {"\xC3\xAB\xC3", true, false, 3},         // a lead byte followed by nothing
};

TEST(Utf8Validator, AcceptsWellFormedTextAndFindsTheFirstBadByte) {
  for (const auto& c : kCases) {
    Utf8Validator whole;
    EXPECT_EQ(whole.feed(c.bytes), c.valid) << c.bytes;
    EXPECT_EQ(whole.valid(), c.valid) << c.bytes;
    EXPECT_EQ(whole.complete(), c.complete) << c.bytes;
    EXPECT_EQ(whole.offset(), c.valid ? c.bytes.size() : c.badOffset) << c.bytes;
  }
}

TEST(Utf8Validator, GivesTheSameAnswerWhenFedByteByByte) {
  for (const auto& c : kCases) {
    Utf8Validator whole, pieces;
    whole.feed(c.bytes);
    for (const char b : c.bytes)
      pieces.feed(std::string_view(&b, 1));
    EXPECT_EQ(pieces.complete(), whole.complete()) << c.bytes;
    EXPECT_EQ(pieces.valid(), whole.valid()) << c.bytes;
    EXPECT_EQ(pieces.offset(), whole.offset()) << c.bytes;
  }
}

TEST(Utf8Validator, NotesWhetherAnythingBeyondAsciiWasSeen) {
  Utf8Validator ascii, accented;
  ascii.feed("hello, world");
  accented.feed("h\xC3\xA9llo");
  EXPECT_FALSE(ascii.sawNonAscii());
  EXPECT_TRUE(accented.sawNonAscii());
}

}  // namespace
}  // namespace quillmere::source::csv
