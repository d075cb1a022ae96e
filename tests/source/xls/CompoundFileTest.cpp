#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "source/WorkbookError.h"
#include "source/xls/CompoundFile.h"
#include "source/xls/LittleEndian.h"

namespace quillmere::source::xls {
namespace {

namespace fs = std::filesystem;
using Kind = WorkbookError::Kind;

const fs::path kFixtures = fs::path(QUILLMERE_FIXTURES_DIR) / "xls";

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void putU32(std::string& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

void putU16(std::string& bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<char>(value & 0xFF);
  bytes[offset + 1] = static_cast<char>(value >> 8);
}

bool startsWithBof(const std::string& stream) {
  return stream.size() >= 4 && u16At(stream, 0) == 0x0809;
}

TEST(CompoundFile, FindsTheWorkbookStreamWhateverTheCase) {
  const std::string bytes = bytesOf(kFixtures / "cell-kinds.xls");
  const CompoundFile file("cell-kinds.xls", bytes);
  for (const char* name : {"Workbook", "WORKBOOK", "workbook"}) {
    const CompoundFile::Entry* entry = file.findRootEntry(name);
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(entry->name, "Workbook");
  }
  EXPECT_EQ(file.findRootEntry("Book"), nullptr);
}

TEST(CompoundFile, ReadsStreamsFromSmallAndRegularSectorsWhole) {
  // One workbook is below the small-sector cut-off, the other above it.
  for (const char* name : {"cell-kinds.xls", "regular-sectors.xls"}) {
    const std::string bytes = bytesOf(kFixtures / name);
    const CompoundFile file(name, bytes);
    const CompoundFile::Entry* entry = file.findRootEntry("Workbook");
    ASSERT_NE(entry, nullptr) << name;
    const std::string stream = file.readStream(*entry);
    EXPECT_EQ(stream.size(), entry->size) << name;
    EXPECT_TRUE(startsWithBof(stream)) << name;
    // The last record of a workbook stream is an EOF record.
    EXPECT_EQ(stream.substr(stream.size() - 4), std::string("\x0A\0\0\0", 4)) << name;
  }
}

TEST(CompoundFile, ListsOnlyTheRootsChildren) {
  const std::string bytes = bytesOf(kFixtures / "encrypted-package.xls");
  const CompoundFile file("encrypted-package.xls", bytes);
  ASSERT_EQ(file.rootEntries().size(), 2U);
  EXPECT_NE(file.findRootEntry("EncryptionInfo"), nullptr);
  EXPECT_NE(file.findRootEntry("EncryptedPackage"), nullptr);
}

struct Damage {
  const char* what;
  std::function<void(std::string&)> apply;
};

class DamagedCompoundFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedCompoundFile, IsRefusedAsCorruptByName) {
  std::string bytes = bytesOf(kFixtures / "cell-kinds.xls");
  GetParam().apply(bytes);
  try {
    const CompoundFile file("contacts.xls", bytes);
    const CompoundFile::Entry* entry = file.findRootEntry("Workbook");
    if (entry != nullptr) file.readStream(*entry);
    FAIL() << GetParam().what << ": read without an error";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::Corrupt) << e.what();
    EXPECT_NE(std::string(e.what()).find("\"contacts.xls\" is damaged"), std::string::npos)
        << e.what();
  }
}

// The fixture's layout: header, then the sectors the fixture script wrote.
constexpr std::size_t kDirectoryStartField = 0x30;
std::size_t directoryOffset(const std::string& bytes) {
  return (u32At(bytes, kDirectoryStartField) + std::size_t{1}) * 512;
}

INSTANTIATE_TEST_SUITE_P(
    HeaderAndTables, DamagedCompoundFile,
    ::testing::Values(
        Damage{"header cut short", [](std::string& b) { b.resize(300); }},
        Damage{"wrong byte order", [](std::string& b) { putU16(b, 0x1C, 0xFEFF); }},
        Damage{"odd sector size", [](std::string& b) { putU16(b, 0x1E, 10); }},
        Damage{"no sector table", [](std::string& b) { putU32(b, 0x2C, 0); }},
        Damage{"sector table larger than the file",
               [](std::string& b) { putU32(b, 0x2C, 1000000); }},
        Damage{"sector table past the end", [](std::string& b) { putU32(b, 0x4C, 4000); }},
        Damage{"directory outside the table",
               [](std::string& b) { putU32(b, kDirectoryStartField, 0x7FFFFFF0); }},
        Damage{"directory that loops",
               [](std::string& b) { putU32(b, directoryOffset(b) + 128 + 0x48, 1); }},
        Damage{"directory child outside",
               [](std::string& b) { putU32(b, directoryOffset(b) + 0x4C, 500); }},
        Damage{"root entry missing", [](std::string& b) { b[directoryOffset(b) + 0x42] = 1; }},
        Damage{"stream larger than its chain",
               [](std::string& b) { putU32(b, directoryOffset(b) + 128 + 0x78, 4000); }},
        Damage{"small-sector table outside",
               [](std::string& b) { putU32(b, directoryOffset(b) + 128 + 0x74, 9000); }}),
    [](const ::testing::TestParamInfo<Damage>& param) {
      std::string name = param.param.what;
      for (char& c : name) {
        if (c == ' ' || c == '-') c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace quillmere::source::xls
