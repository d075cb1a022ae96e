#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "source/InputFile.h"
#include "source/WorkbookError.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::source {
namespace {

namespace fs = std::filesystem;

class InputFileTest : public ::testing::Test {
 protected:
  void SetUp() override { path_ = folder_.write("input", "0123456789"); }

  static std::string readAt(const InputFile& file, std::uint64_t offset, std::size_t length) {
    std::string bytes(length, '\0');
    bytes.resize(file.readAt(offset, bytes.data(), length));
    return bytes;
  }
  static std::string read(InputFile& file, std::size_t length) {
    std::string bytes(length, '\0');
    bytes.resize(file.read(bytes.data(), length));
    return bytes;
  }

  quillmere::test::ScratchFolder folder_{"input"};
  fs::path path_;
};

TEST_F(InputFileTest, ReadsAtAnOffsetAndNothingPastTheEnd) {
  const InputFile file(path_);
  EXPECT_EQ(file.size(), 10u);
  struct Case {
    std::uint64_t offset;
    std::size_t length;
    const char* bytes;
  };
  for (const Case& c : {Case{0, 4, "0123"}, Case{6, 10, "6789"}, Case{10, 4, ""}, Case{20, 4, ""},
                        Case{std::uint64_t{1} << 63, 4, ""}}) {
    EXPECT_EQ(readAt(file, c.offset, c.length), c.bytes) << c.offset << "+" << c.length;
  }
}

TEST_F(InputFileTest, ReadsFrontToBackAndFromWhereItWasMoved) {
  InputFile opened(path_);
  InputFile file = std::move(opened);
  EXPECT_EQ(read(file, 4), "0123");
  EXPECT_EQ(readAt(file, 8, 2), "89") << "reading at an offset keeps the position";
  EXPECT_EQ(read(file, 4), "4567");
  EXPECT_EQ(read(file, 4), "89");
  EXPECT_EQ(read(file, 4), "");
  file.seek(2);
  EXPECT_EQ(read(file, 3), "234");
}

TEST_F(InputFileTest, AFileThatCannotBeOpenedIsUnreadable) {
  try {
    InputFile file(path_ / "inside-a-file");
    FAIL() << "opened";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), WorkbookError::Kind::Unreadable);
    EXPECT_EQ(e.errorNumber(), ENOTDIR);
    EXPECT_NE(std::string(e.what()).find("inside-a-file"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace quillmere::source
