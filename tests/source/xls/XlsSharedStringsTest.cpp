#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "source/WorkbookError.h"
#include "source/xls/BiffRecordCursor.h"
#include "source/xls/WorkbookStream.h"
#include "source/xls/XlsSharedStrings.h"
#include "source/xls/XlsTextDecoder.h"

namespace quillmere::source::xls {
namespace {

using Kind = WorkbookError::Kind;

struct PoolString {
  std::u16string text;
  std::uint16_t runs = 0;
  std::uint32_t phoneticBytes = 0;
};

// Writes a pool the way a writer splits it over CONTINUE records of at most `capacity`
// bytes: a split inside the characters starts the next record with a flag byte, and the
// width alternates there (one byte, then two) wherever the characters allow it.
class PoolWriter {
 public:
  explicit PoolWriter(std::size_t capacity) : capacity_(capacity) { fragments_.emplace_back(); }

  std::vector<std::string> write(const std::vector<PoolString>& strings) {
    u32(static_cast<std::uint32_t>(strings.size()));
    u32(static_cast<std::uint32_t>(strings.size()));
    for (const PoolString& s : strings) {
      bool needsWide = false;
      for (const char16_t unit : s.text)
        needsWide = needsWide || unit > 0xFF;
      u16(static_cast<std::uint16_t>(s.text.size()));
      put(static_cast<char>((needsWide ? 1 : 0) | (s.runs ? 8 : 0) | (s.phoneticBytes ? 4 : 0)));
      if (s.runs) u16(s.runs);
      if (s.phoneticBytes) u32(s.phoneticBytes);
      bool wide = needsWide;
      int segment = 0;
      for (const char16_t unit : s.text) {
        const std::size_t left = capacity_ - fragments_.back().size();
        if (left == 0 || (wide && left < 2)) {
          fragments_.emplace_back();
          wide = needsWide || ++segment % 2 == 1;
          fragments_.back() += static_cast<char>(wide ? 1 : 0);
        }
        fragments_.back() += static_cast<char>(unit & 0xFF);
        if (wide) fragments_.back() += static_cast<char>(unit >> 8);
      }
      for (std::size_t i = 0; i < std::size_t{s.runs} * 4 + s.phoneticBytes; ++i)
        put('\x5A');
    }
    return fragments_;
  }

 private:
  void put(char byte) {
    if (fragments_.back().size() == capacity_) fragments_.emplace_back();
    fragments_.back() += byte;
  }
  void u16(std::uint16_t v) {
    put(static_cast<char>(v & 0xFF));
    put(static_cast<char>(v >> 8));
  }
  void u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v & 0xFFFF));
    u16(static_cast<std::uint16_t>(v >> 16));
  }

  std::size_t capacity_;
  std::vector<std::string> fragments_;
};

const std::filesystem::path kFile = "pool.xls";

std::string record(std::uint16_t type, const std::string& data) {
  std::string bytes;
  for (const unsigned value : {unsigned{type}, static_cast<unsigned>(data.size())}) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
  }
  return bytes + data;
}

// The pool as a workbook holds it, an SST record and its CONTINUE records with an EOF record
// after them, read through the record cursor the way the workbook reader reads it.
XlsSharedStrings poolOf(const std::vector<std::string>& fragments, const ReadLimits& limits) {
  std::string bytes;
  for (std::size_t i = 0; i < fragments.size(); ++i)
    bytes += record(i == 0 ? 0x00FC : 0x003C, fragments[i]);
  bytes += record(0x000A, "");
  const WorkbookStream stream(bytes);
  BiffRecordCursor cursor(kFile, stream, 0);
  BiffRecord sst;
  EXPECT_TRUE(cursor.next(sst));
  XlsSharedStrings pool(kFile, sst.data, cursor, limits);
  cursor.skipContinues();
  EXPECT_EQ(cursor.peekType(), 0x000A) << "the records after the pool are left for the reader";
  return pool;
}

std::string utf8(const std::u16string& units) {
  std::string out;
  XlsTextDecoder::appendUtf16(out, units);
  return out;
}

const std::vector<PoolString> kStrings = {
    {u""},
    {u"A"},
    {u"Ada Lovelace, Analytical Engine"},
    {u"Zo\u00EB Br\u00FCckner"},
    {u"\u03A9mega \u2248 \u00E7a"},
    {u"\U0001F363\U0001F363 sushi"},
    {u"rich text with runs", 3},
    {u"\u6771\u4EAC with reading", 0, 14},
    {u"both", 2, 6},
    {u"last one"},
};

TEST(XlsSharedStrings, ReadsEveryStringWhereverTheRecordsSplit) {
  for (std::size_t capacity = 3; capacity <= 200; ++capacity) {
    const auto fragments = PoolWriter(capacity).write(kStrings);
    const XlsSharedStrings pool = poolOf(fragments, ReadLimits{});
    ASSERT_EQ(pool.size(), kStrings.size()) << "records of " << capacity << " bytes";
    for (std::size_t i = 0; i < kStrings.size(); ++i) {
      EXPECT_EQ(pool.at(i), utf8(kStrings[i].text))
          << "string " << i << ", records of " << capacity << " bytes";
    }
  }
}

TEST(XlsSharedStrings, ASplitRightAfterTheCharactersCarriesNoFlagByte) {
  // Header and characters fill the first record exactly; the runs go on in the next.
  const std::string first =
      std::string("\x01\0\0\0\x01\0\0\0", 8) + std::string("\x03\0\x08\x01\0", 5) + "abc";
  const std::string second = "\x01\x02\x03\x04";
  const XlsSharedStrings pool = poolOf({first, second}, ReadLimits{});
  ASSERT_EQ(pool.size(), 1U);
  EXPECT_EQ(pool.at(0), "abc");
}

TEST(XlsSharedStrings, AStringRunningPastTheDataIsDamage) {
  auto fragments = PoolWriter(40).write(kStrings);
  fragments.back().resize(fragments.back().size() - 3);
  try {
    poolOf(fragments, ReadLimits{});
    FAIL() << "read a cut pool";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::Corrupt);
    EXPECT_NE(std::string(e.what()).find("pool.xls"), std::string::npos) << e.what();
  }
}

TEST(XlsSharedStrings, LimitsOnOneStringOnThePoolAndOnItsStringsHaveTheirOwnMessages) {
  const auto fragments = PoolWriter(8224).write(kStrings);
  const struct {
    ReadLimits limits;
    const char* phrase;
  } cases[] = {{{.maxCellTextBytes = 20}, "in one cell"},
               {{.maxSharedStringBytes = 60}, "shared text"},
               {{.maxSharedStrings = 2}, "more than 2 shared strings"}};
  for (const auto& c : cases) {
    try {
      poolOf(fragments, c.limits);
      ADD_FAILURE() << "no limit hit for " << c.phrase;
    } catch (const WorkbookError& e) {
      EXPECT_EQ(e.kind(), Kind::LimitExceeded);
      EXPECT_NE(std::string(e.what()).find(c.phrase), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("pool.xls"), std::string::npos) << e.what();
    }
  }
}

TEST(XlsSharedStrings, AStatedCountBeyondTheDataReadsWhatIsThere) {
  const std::string data =
      std::string("\xFF\xFF\xFF\x7F\xFF\xFF\xFF\x7F", 8) + std::string("\x02\0\0", 3) + "hi";
  const XlsSharedStrings pool = poolOf({data}, ReadLimits{});
  ASSERT_EQ(pool.size(), 1U);
  EXPECT_EQ(pool.at(0), "hi");
}

}  // namespace
}  // namespace quillmere::source::xls
