// Hostile text files, made at test time: each ends in a clear message or a correct read,
// within a bounded peak of memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "source/CellReference.h"
#include "source/WorkbookError.h"
#include "source/csv/CsvSheetReader.h"
#include "tests/source/ReadInChild.h"
#include "tests/source/csv/CsvTestFolder.h"

namespace quillmere::source::csv {
namespace {

using Kind = WorkbookError::Kind;

// Each test bounds its reader's peak well below its file's size, so that a reader holding
// the whole file fails it; a few small files have only this general bound.
constexpr long kHostilePeakKiB = 256 * 1024;
constexpr long kMiB = 1024;

class CsvHostile : public CsvTestFolder {
 protected:
  // Writes a file piece by piece, so that the test itself stays small.
  class Writer {
   public:
    explicit Writer(const std::filesystem::path& path) : out_(path, std::ios::binary) {}
    Writer& operator<<(const std::string& text) {
      out_.write(text.data(), static_cast<std::streamsize>(text.size()));
      return *this;
    }
    bool good() const { return out_.good(); }

   private:
    std::ofstream out_;
  };

  static void expectBoundedPeak(const ChildRead& result, long peakKiB = kHostilePeakKiB) {
    ASSERT_TRUE(result.finished) << "the reading process crashed";
    EXPECT_FALSE(result.unexpected) << result.message;
    if (kPeakMemoryMeaningful) {
      EXPECT_LT(result.peakKiB, peakKiB) << "peak of " << result.peakKiB / 1024 << " MiB";
    }
  }

  static void expectRefusal(const ChildRead& result, long peakKiB, Kind kind,
                            const std::string& phrase) {
    expectBoundedPeak(result, peakKiB);
    EXPECT_FALSE(result.read);
    EXPECT_EQ(result.kind, kind) << result.message;
    EXPECT_NE(result.message.find(phrase), std::string::npos) << result.message;
  }
};

TEST_F(CsvHostile, OneLineOf100MegabytesWithoutASeparatorStopsAtTheCellLimit) {
  const auto path = dir_ / "line.csv";
  {
    Writer out(path);
    const std::string block(1 << 20, 'x');
    for (int i = 0; i < 100; ++i)
      out << block;
    ASSERT_TRUE(out.good());
  }
  expectRefusal(readInChild(path), 32 * kMiB, Kind::LimitExceeded, "bytes in cell A1.");
}

TEST_F(CsvHostile, OneLineOf300MegabytesInFieldsStopsAtTheRowLimit) {
  // 16,384 fields of 19,200 bytes: each within the cell limit, the row not. The reader holds
  // the row up to its limit, so the line is made far longer than what it may hold.
  const auto path = dir_ / "fields.csv";
  {
    Writer out(path);
    const std::string field(19199, 'y');
    for (int i = 0; i < 16384; ++i)
      out << field << ",";
    ASSERT_TRUE(out.good());
  }
  expectRefusal(readInChild(path), 128 * kMiB, Kind::LimitExceeded,
                "has a row longer than " + std::to_string(kMaxRecordBytes >> 20) + " MiB at row 1");
}

TEST_F(CsvHostile, AQuoteOpenedOnA100MegabyteLineStopsAtTheCellLimitNamingItsLine) {
  const auto path = dir_ / "quote.csv";
  {
    Writer out(path);
    out << "Name,Note\nAnna,\"";
    const std::string block(1 << 20, 'z');
    for (int i = 0; i < 100; ++i)
      out << block;
    ASSERT_TRUE(out.good());
  }
  expectRefusal(readInChild(path), 32 * kMiB, Kind::LimitExceeded,
                "a closing quote may be missing: the value's quote opens on line 2");
}

TEST_F(CsvHostile, AMillionRowsOfOneColumnAreReadWithFlatMemory) {
  const auto path = dir_ / "tall.csv";
  std::uint64_t textBytes = 0;
  {
    Writer out(path);
    std::string chunk;
    for (std::uint32_t row = 1; row <= kMaxGridRows; ++row) {
      const std::string value = "contact" + std::to_string(row) + "@example.org";
      textBytes += value.size();
      chunk += value + "\r\n";
      if (chunk.size() > (1 << 20)) {
        out << chunk;
        chunk.clear();
      }
    }
    out << chunk;
    ASSERT_TRUE(out.good());
  }
  const ChildRead result = readInChild(path);
  // The file is 37 MB; the reader holds a buffer, not the file.
  expectBoundedPeak(result, 24 * kMiB);
  ASSERT_TRUE(result.read) << result.message;
  EXPECT_EQ(result.rows, kMaxGridRows);
  EXPECT_EQ(result.cells, kMaxGridRows);
  EXPECT_EQ(result.textBytes, textBytes);
  EXPECT_EQ(result.widestRow, 1U);
}

TEST_F(CsvHostile, TheLongestCellTextIsRead) {
  // 32,767 characters of four bytes each fill the cell limit exactly; three-byte ones and
  // plain ones as well, and a quoted one with doubled quotes.
  std::string emoji, euros;
  for (int i = 0; i < 32767; ++i) {
    emoji += "\xF0\x9F\x98\x80";
    euros += "\xE2\x82\xAC";
  }
  const auto path =
      write("long.csv", emoji + "," + euros + "," + std::string(32767, 'a') + ",\"" +
                            std::string(16383, '"') + std::string(16383, '"') + "\"\n");
  const ChildRead result = readInChild(path);
  expectBoundedPeak(result);
  ASSERT_TRUE(result.read) << result.message;
  EXPECT_EQ(result.cells, 4U);
  EXPECT_EQ(result.textBytes, 32767U * 4 + 32767U * 3 + 32767U + 16383U);
}

TEST_F(CsvHostile, TheWidestRowIsReadAndOneColumnMoreRefused) {
  std::string widest;
  for (int c = 0; c < 16384; ++c)
    widest += std::to_string(c) + ",";
  widest.back() = '\n';
  const ChildRead fits = readInChild(write("widest.csv", "h\n" + widest));
  expectBoundedPeak(fits);
  ASSERT_TRUE(fits.read) << fits.message;
  EXPECT_EQ(fits.widestRow, 16384U);
  EXPECT_EQ(fits.cells, 16385U);
  widest.back() = ',';
  expectRefusal(readInChild(write("wider.csv", widest + "x\n")), kHostilePeakKiB,
                Kind::LimitExceeded, "has more than 16384 values in row 1");
}

TEST_F(CsvHostile, RandomBytesAreRefusedAsNotText) {
  // 50 MB of noise: NUL bytes on both sides, so neither UTF-16 nor text.
  const auto path = dir_ / "noise.csv";
  {
    Writer out(path);
    std::mt19937_64 random(42);
    std::string block(1 << 20, '\0');
    for (int i = 0; i < 50; ++i) {
      for (auto& c : block)
        c = static_cast<char>(random());
      out << block;
    }
    ASSERT_TRUE(out.good());
  }
  expectRefusal(readInChild(path), 24 * kMiB, Kind::Unsupported, "holds a NUL byte");
}

TEST_F(CsvHostile, InvalidUtf8EverywhereIsReadAsWindows1252OrRefusedByLine) {
  // A million lines (70 MB) of bytes above 0x7F in forms UTF-8 does not have: every line is
  // Windows-1252 and read as such. One line with a UTF-8 character among them is refused.
  const auto path = dir_ / "invalid.csv";
  const std::string fields = "\xC0\xAF,\xED\xA0\x80,\xF5\x80\x80\x80,\x80\x81\xFF";
  const std::string line = fields + "," + fields + "," + fields + "," + fields + "\n";
  const std::size_t lines = 1'000'000;
  {
    Writer out(path);
    std::string chunk;
    for (std::size_t i = 0; i < 1024; ++i)
      chunk += line;
    for (std::size_t i = 0; i < lines / 1024; ++i)
      out << chunk;
    ASSERT_TRUE(out.good());
  }
  const ChildRead result = readInChild(path);
  expectBoundedPeak(result, 32 * kMiB);
  ASSERT_TRUE(result.read) << result.message;
  EXPECT_EQ(result.rows, lines / 1024 * 1024);
  // C0 AF: two letters of two bytes; ED A0 80: 2 + 2 + 3; F5 80 80 80: 2 + 3 * 3;
  // 80 81 FF: 3 + 2 + 2.
  EXPECT_EQ(result.textBytes, result.rows * 4 * (4 + 7 + 11 + 7));
  {
    Writer out(path);
    out << line << line << "Zo\xC3\xAB \xE9\n";
  }
  expectRefusal(readInChild(path), kHostilePeakKiB, Kind::Corrupt,
                "mixes two text encodings in line 3");
}

}  // namespace
}  // namespace quillmere::source::csv
