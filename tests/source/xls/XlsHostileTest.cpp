// The largest sheet an .xls holds, made at test time: read whole, in flat memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/source/ReadInChild.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::source::xls {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kRows = 65536;
constexpr std::uint32_t kColumns = 256;
constexpr std::size_t kSector = 512;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;

void put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

std::string record(std::uint16_t type, const std::string& data) {
  std::string out;
  put16(out, type);
  put16(out, static_cast<std::uint32_t>(data.size()));
  return out + data;
}

std::string bof(std::uint16_t kind) {
  std::string data;
  for (const std::uint32_t field : {0x0600u, std::uint32_t{kind}, 0x0DBBu, 1996u})
    put16(data, field);
  put32(data, 0);
  put32(data, 6);
  return record(0x0809, data);
}

// Row r of 256 numbers r * 256 + c, as one MULRK record of integer RK values.
std::string row(std::uint32_t r) {
  std::string data;
  put16(data, r);
  put16(data, 0);
  for (std::uint32_t c = 0; c < kColumns; ++c) {
    put16(data, 15);
    put32(data, (r * kColumns + c) << 2 | 2);
  }
  put16(data, kColumns - 1);
  return record(0x00BD, data);
}

// The workbook globals and the sheet's first record; the sheet starts right after them.
std::string head() {
  std::string boundSheet;
  put32(boundSheet, 0);  // filled in below
  boundSheet += std::string("\0\0\x03\0Big", 7);
  std::string globals = bof(0x0005) + record(0x0042, std::string("\xB0\x04", 2)) +
                        record(0x0085, boundSheet) + record(0x000A, "");
  const auto sheetAt = static_cast<std::uint32_t>(globals.size());
  std::string offset;
  put32(offset, sheetAt);
  globals.replace(globals.find(std::string("\x85\0", 2)) + 4, 4, offset);
  return globals + bof(0x0010);
}

// Writes a version-3 compound file holding one "Workbook" stream: the stream's sectors first,
// then the sector table, the table of its locations past the header's 109, the directory.
void writeLargestSheet(const fs::path& path) {
  const std::string start = head();
  const std::string end = record(0x000A, "");
  const std::uint64_t rowBytes = row(0).size();
  const std::uint64_t streamBytes = start.size() + rowBytes * kRows + end.size();
  const auto streamSectors = static_cast<std::uint32_t>((streamBytes + kSector - 1) / kSector);
  std::uint32_t fatSectors = 1, difatSectors = 0;
  for (;;) {
    difatSectors = fatSectors > 109 ? (fatSectors - 109 + 126) / 127 : 0;
    const std::uint32_t needed = (streamSectors + fatSectors + difatSectors + 1 + 127) / 128;
    if (needed <= fatSectors) break;
    fatSectors = needed;
  }
  const std::uint32_t firstFat = streamSectors;
  const std::uint32_t firstDifat = firstFat + fatSectors;
  const std::uint32_t directory = firstDifat + difatSectors;

  std::ofstream out(path, std::ios::binary);
  std::string header("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  header += std::string(16, '\0');
  for (const std::uint32_t field : {0x3Eu, 3u, 0xFFFEu, 9u, 6u})
    put16(header, field);
  header += std::string(6, '\0');
  for (const std::uint32_t field : {0u, fatSectors, directory, 0u, 4096u, kEndOfChain, 0u,
                                    difatSectors ? firstDifat : kEndOfChain, difatSectors}) {
    put32(header, field);
  }
  for (std::uint32_t i = 0; i < 109; ++i)
    put32(header, i < fatSectors ? firstFat + i : kFree);
  out << header;

  std::string stream = start;
  for (std::uint32_t r = 0; r < kRows; ++r) {
    stream += row(r);
    if (stream.size() >= (std::size_t{1} << 20)) {
      const std::size_t whole = stream.size() / kSector * kSector;
      out.write(stream.data(), static_cast<std::streamsize>(whole));
      stream.erase(0, whole);
    }
  }
  stream += end;
  stream.resize((stream.size() + kSector - 1) / kSector * kSector, '\0');
  out << stream;

  std::string fat;
  for (std::uint32_t s = 0; s < fatSectors * 128; ++s) {
    std::uint32_t next = kFree;
    if (s < streamSectors)
      next = s + 1 == streamSectors ? kEndOfChain : s + 1;
    else if (s < firstDifat)
      next = kFatSector;
    else if (s < directory)
      next = kDifatSector;
    else if (s == directory)
      next = kEndOfChain;
    put32(fat, next);
  }
  out << fat;
  for (std::uint32_t d = 0; d < difatSectors; ++d) {
    std::string block;
    for (std::uint32_t i = 0; i < 127; ++i) {
      const std::uint32_t index = 109 + d * 127 + i;
      put32(block, index < fatSectors ? firstFat + index : kFree);
    }
    put32(block, d + 1 < difatSectors ? firstDifat + d + 1 : kEndOfChain);
    out << block;
  }
  const auto entry = [](const std::u16string& name, std::uint8_t type, std::uint32_t child,
                        std::uint32_t startSector, std::uint32_t size) {
    std::string e;
    for (const char16_t unit : name)
      put16(e, unit);
    put16(e, 0);
    e.resize(64, '\0');
    put16(e, static_cast<std::uint32_t>((name.size() + 1) * 2));
    e += static_cast<char>(type);
    e += '\x01';
    put32(e, kFree);
    put32(e, kFree);
    put32(e, child);
    e += std::string(36, '\0');
    put32(e, startSector);
    put32(e, size);
    put32(e, 0);
    return e;
  };
  out << entry(u"Root Entry", 5, 1, kEndOfChain, 0)
      << entry(u"Workbook", 2, kFree, 0, static_cast<std::uint32_t>(streamBytes))
      << std::string(2 * 128, '\0');
  ASSERT_TRUE(out.good());
}

TEST(XlsHostile, CellsOutOfRowOrderShareTheirSharedStringRatherThanCopyIt) {
  const ChildRead result = readInChild(fs::path(QUILLMERE_FIXTURES_DIR) / "xls" /
                                       "shared-string-cells-out-of-order.xls");
  ASSERT_TRUE(result.finished) << "the reading process crashed";
  ASSERT_TRUE(result.read) << result.message;
  EXPECT_EQ(result.rows, 5000u);
  EXPECT_EQ(result.textBytes, 5000u * 30000u);
  // Copied for every cell, the string would take 150 MB.
  if (kPeakMemoryMeaningful) {
    EXPECT_LT(result.peakKiB, 64 * 1024) << "peak of " << result.peakKiB / 1024 << " MiB";
  }
}

TEST(XlsHostile, TheLargestSheetIsReadWholeInFlatMemory) {
  const quillmere::test::ScratchFolder scratch("xls-largest");
  const fs::path path = scratch / "largest.xls";
  writeLargestSheet(path);
  const ChildRead result = readInChild(path);
  std::error_code ec;
  const auto fileBytes = fs::file_size(path, ec);
  ASSERT_TRUE(result.finished) << "the reading process crashed";
  ASSERT_TRUE(result.read) << result.message;
  EXPECT_EQ(result.rows, kRows);
  EXPECT_EQ(result.widestRow, kColumns);
  EXPECT_EQ(result.cells, std::uint64_t{kRows} * kColumns);
  // The cells hold 0 .. 2^24 - 1 once each.
  const double count = double{kRows} * kColumns;
  EXPECT_EQ(result.numberSum, count * (count - 1) / 2);
  if (kPeakMemoryMeaningful) {
    // The file is about 100 MB; the reader holds a few windows of it.
    EXPECT_GT(fileBytes, 100000000U);
    EXPECT_LT(result.peakKiB, 32 * 1024) << "peak of " << result.peakKiB / 1024 << " MiB";
  }
}

}  // namespace
}  // namespace quillmere::source::xls
