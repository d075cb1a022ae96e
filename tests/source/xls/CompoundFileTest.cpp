#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "source/InputFile.h"
#include "source/WorkbookError.h"
#include "source/xls/CompoundFile.h"
#include "source/xls/LittleEndian.h"
#include "tests/support/ScratchFolder.h"

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

CompoundFile open(const fs::path& path) {
  return CompoundFile(std::make_shared<const InputFile>(path));
}

// All of a stream's bytes, read in pieces of 100 so that reads cross the sector edges.
std::string contentOf(const WorkbookStream& stream) {
  std::string bytes(static_cast<std::size_t>(stream.size()), '\0');
  for (std::size_t at = 0; at < bytes.size(); at += 100)
    stream.read(at, bytes.data() + at, std::min<std::size_t>(100, bytes.size() - at));
  return bytes;
}

std::string workbookOf(const fs::path& path) {
  const CompoundFile file = open(path);
  const CompoundFile::Entry* entry = file.findRootEntry("Workbook");
  EXPECT_NE(entry, nullptr) << path;
  return entry ? contentOf(file.openStream(*entry)) : std::string();
}

// A copy of a fixture with a change made to its bytes, in a folder of its own.
class ChangedFixture : public ::testing::Test {
 protected:
  fs::path changed(const char* fixture, const std::function<void(std::string&)>& change) {
    std::string bytes = bytesOf(kFixtures / fixture);
    change(bytes);
    return dir_.write("contacts.xls", bytes);
  }

  quillmere::test::ScratchFolder dir_{"cfb"};
};

TEST(CompoundFile, FindsTheWorkbookStreamWhateverTheCase) {
  const CompoundFile file = open(kFixtures / "cell-kinds.xls");
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
    const CompoundFile file = open(kFixtures / name);
    const CompoundFile::Entry* entry = file.findRootEntry("Workbook");
    ASSERT_NE(entry, nullptr) << name;
    const WorkbookStream stream = file.openStream(*entry);
    EXPECT_EQ(stream.shortfall(), "") << name;
    const std::string bytes = contentOf(stream);
    EXPECT_EQ(bytes.size(), entry->size) << name;
    EXPECT_TRUE(startsWithBof(bytes)) << name;
    // The last record of a workbook stream is an EOF record.
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\x0A\0\0\0", 4)) << name;
  }
}

TEST(CompoundFile, ListsOnlyTheRootsChildren) {
  const CompoundFile file = open(kFixtures / "encrypted-package.xls");
  ASSERT_EQ(file.rootEntries().size(), 2U);
  EXPECT_NE(file.findRootEntry("EncryptionInfo"), nullptr);
  EXPECT_NE(file.findRootEntry("EncryptedPackage"), nullptr);
}

// Where a stream's sectors give out before its stated size, the stream holds those that
// exist, says why, and leaves it to the workbook reader to decide whether that is enough.
struct ShortStream {
  const char* fixture;
  const char* shortfall;
};

class StreamCutShort : public ::testing::TestWithParam<ShortStream> {};

TEST_P(StreamCutShort, HoldsTheSectorsThatExist) {
  const std::string whole = workbookOf(kFixtures / "regular-sectors.xls");
  const CompoundFile file = open(kFixtures / GetParam().fixture);
  const CompoundFile::Entry* entry = file.findRootEntry("Workbook");
  ASSERT_NE(entry, nullptr);
  const WorkbookStream stream = file.openStream(*entry);
  EXPECT_NE(stream.shortfall().find(GetParam().shortfall), std::string::npos) << stream.shortfall();
  const std::string bytes = contentOf(stream);
  ASSERT_LT(bytes.size(), whole.size());
  EXPECT_EQ(bytes, whole.substr(0, bytes.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, StreamCutShort,
    ::testing::Values(
        // The chain goes back to its second sector after the fourth.
        ShortStream{"sector-chain-loop.xls", "the chain of sectors loops back on itself"},
        ShortStream{"fat-index-out-of-range.xls", "the table of sectors points outside the file"},
        // The stream comes last in the file, which stops in its fourth sector.
        ShortStream{"truncated-after-table.xls", "the file ends before its last part"}),
    [](const ::testing::TestParamInfo<ShortStream>& param) {
      std::string name = param.param.fixture;
      name = name.substr(0, name.find('.'));
      for (char& c : name) {
        if (c == '-') c = '_';
      }
      return name;
    });

TEST(CompoundFile, AStatedSizeBeyondTheFileGivesTheWholeChain) {
  const std::string whole = workbookOf(kFixtures / "regular-sectors.xls");
  const CompoundFile file = open(kFixtures / "stream-size-past-file.xls");
  const WorkbookStream stream = file.openStream(*file.findRootEntry("Workbook"));
  EXPECT_EQ(stream.shortfall(), "its sectors end before its stated size");
  // The chain's last sector is padded to its end.
  const std::string bytes = contentOf(stream);
  ASSERT_EQ(bytes.size(), (whole.size() + 511) / 512 * 512);
  EXPECT_EQ(bytes.substr(0, whole.size()), whole);
}

TEST(CompoundFile, AFileEndingInsideTheLastSectorGivesTheBytesThere) {
  const std::string whole = workbookOf(kFixtures / "regular-sectors.xls");
  const CompoundFile file = open(kFixtures / "unpadded-last-sector.xls");
  const WorkbookStream stream = file.openStream(*file.findRootEntry("Workbook"));
  EXPECT_EQ(stream.shortfall(), "the file ends before its last part");
  EXPECT_EQ(contentOf(stream), whole);
}

struct Damage {
  const char* what;
  std::function<void(std::string&)> apply;
};

class DamagedCompoundFile : public ChangedFixture, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedCompoundFile, IsRefusedAsCorruptByName) {
  const fs::path path = changed("cell-kinds.xls", GetParam().apply);
  try {
    const CompoundFile file = open(path);
    const CompoundFile::Entry* entry = file.findRootEntry("Workbook");
    if (entry != nullptr) file.openStream(*entry);
    FAIL() << GetParam().what << ": read without an error";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::Corrupt) << e.what();
    EXPECT_NE(std::string(e.what()).find("\"" + path.string() + "\" is damaged"), std::string::npos)
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
        Damage{"stream starting at no sector",
               [](std::string& b) { putU32(b, directoryOffset(b) + 128 + 0x74, 0xFFFFFFFE); }},
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
