// The two inflaters behind the zip reader: ISA-L for deflated parts, zlib through libzip for
// the rest and for whatever ISA-L declines.
#include <gtest/gtest.h>
#include <zip.h>
#include <zlib.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "source/WorkbookError.h"
#include "source/xlsx/ZipArchive.h"
#include "tests/source/xlsx/GeneratedWorkbook.h"

namespace quillmere::source::xlsx {
namespace {

using Inflater = ZipPartOpener::Inflater;

std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A deflated and a stored part of the same text, which is long enough for many deflate blocks.
std::string writeTwoParts(const std::filesystem::path& file) {
  std::string text;
  for (int i = 0; i < 60000; ++i)
    text += "<c r=\"A" + std::to_string(i) + "\" t=\"s\"><v>" + std::to_string(i * 7919 % 65521) +
            "</v></c>";
  zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
  for (const auto& [name, method] :
       {std::pair{"deflated.xml", ZIP_CM_DEFLATE}, std::pair{"stored.xml", ZIP_CM_STORE}}) {
    zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
    const zip_int64_t index = zip_file_add(archive, name, source, 0);
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), method, 0);
  }
  if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + file.string());
  return text;
}

// The part's bytes, or the message it is refused with.
std::string readPart(const std::filesystem::path& file, const char* name, Inflater inflater) {
  try {
    const ZipArchive archive(file);
    ZipPartOpener opener = archive.partOpener(*archive.find(name), name, ReadLimits{});
    opener.useInflater(inflater);
    const auto source = opener();
    std::string bytes, chunk(100000, '\0');
    while (const std::size_t got = source->read(chunk.data(), chunk.size()))
      bytes.append(chunk, 0, got);
    return bytes;
  } catch (const WorkbookError& error) {
    return error.what();
  }
}

TEST(ZipPartSource, BothInflatersGiveTheSameBytesAndRefuseTheSameDamageAlike) {
  const testing::TemporaryFolder folder;
  const std::filesystem::path good = folder.path() / "good.zip";
  const std::string text = writeTwoParts(good);
  const std::string bytes = fileBytes(good);

  // The deflated part's checksum, in its local header and its directory entry, made wrong.
  const auto crc = static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())));
  const std::string crcBytes(reinterpret_cast<const char*>(&crc), 4);
  std::string badCrc = bytes;
  int found = 0;
  for (std::size_t at = badCrc.find(crcBytes); at != std::string::npos;
       at = badCrc.find(crcBytes, at + 4), ++found)
    badCrc[at] = static_cast<char>(badCrc[at] ^ 1);
  ASSERT_EQ(found, 4) << "both parts' checksums, in both places";
  // A first deflate block of the reserved type 3, which no inflater can read.
  std::string badBlock = bytes;
  const auto nameBytes = static_cast<unsigned char>(bytes[26]);
  const auto extraBytes = static_cast<unsigned char>(bytes[28]);
  badBlock[30 + nameBytes + extraBytes] = '\xFF';
  std::ofstream(folder.path() / "bad-crc.zip", std::ios::binary) << badCrc;
  std::ofstream(folder.path() / "bad-block.zip", std::ios::binary) << badBlock;

  for (const char* part : {"deflated.xml", "stored.xml"}) {
    EXPECT_EQ(readPart(good, part, Inflater::Fastest), text) << part;
    EXPECT_EQ(readPart(good, part, Inflater::Zlib), text) << part;
  }
  for (const char* damaged : {"bad-crc.zip", "bad-block.zip"}) {
    const std::string fastest =
        readPart(folder.path() / damaged, "deflated.xml", Inflater::Fastest);
    EXPECT_NE(fastest.find("deflated.xml cannot be unpacked"), std::string::npos) << fastest;
    EXPECT_EQ(fastest, readPart(folder.path() / damaged, "deflated.xml", Inflater::Zlib));
  }
  EXPECT_NE(readPart(folder.path() / "bad-crc.zip", "stored.xml", Inflater::Fastest).find("CRC"),
            std::string::npos);
}

}  // namespace
}  // namespace quillmere::source::xlsx
