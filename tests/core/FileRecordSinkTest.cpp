#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/FileRecordSink.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::core {
namespace {

namespace fs = std::filesystem;

const LocalTime kNoon{2026, 12, 7, 12, 0, 5};

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const SinkError& error) {
    return error.what();
  }
  return "(no error)";
}

class FileRecordSinkTest : public ::testing::Test {
 protected:
  // The scratch folder goes after TearDown, once nothing is mounted on it and it may be written.
  void TearDown() override {
    if (mounted_) ::umount2(base_.c_str(), MNT_DETACH);
    if (limited_) ::setrlimit(RLIMIT_FSIZE, &fileSizeBefore_);
    fs::permissions(base_, fs::perms::owner_all, fs::perm_options::add);
  }

  // A small file system of its own at the base folder when this process may mount one (as
  // root, as in CI); otherwise the nearest a user can make, so the case is never skipped.
  void makeDiskReadOnly() {
    if (::mount("tmpfs", base_.c_str(), "tmpfs", MS_RDONLY, "size=64k") == 0) {
      mounted_ = true;
      return;
    }
    fs::permissions(base_, fs::perms::owner_read | fs::perms::owner_exec);
  }
  void makeDiskSmall() {
    if (::mount("tmpfs", base_.c_str(), "tmpfs", 0, "size=64k") == 0) {
      mounted_ = true;
      return;
    }
    // A file may then grow to 64 KiB and no further, which a write meets as EFBIG.
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &fileSizeBefore_);
    rlimit small = fileSizeBefore_;
    small.rlim_cur = 64 * 1024;
    limited_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
  }

  // A file may grow to `bytes` and no further, which a write meets as EFBIG.
  void limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    if (!limited_) ::getrlimit(RLIMIT_FSIZE, &fileSizeBefore_);
    rlimit small = fileSizeBefore_;
    small.rlim_cur = bytes;
    limited_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    ASSERT_TRUE(limited_);
  }

  const quillmere::test::ScratchFolder scratch_{"sink"};
  const fs::path base_ = scratch_.path();
  bool mounted_ = false;
  bool limited_ = false;
  rlimit fileSizeBefore_{};
};

TEST_F(FileRecordSinkTest, WritesEachRecordAndALineEndIntoAFolderNamedDatedOnlyOnceComplete) {
  FileRecordSink sink(base_, kNoon);
  sink.begin();
  const fs::path folder = base_ / "Quillmere_7_12_2026_12_0_5";
  const fs::path unfinished = base_ / "Quillmere_7_12_2026_12_0_5 (incomplete)";
  EXPECT_EQ(sink.location(), unfinished.string());
  ASSERT_TRUE(fs::is_directory(unfinished));
  sink.append("All Contacts.vcf", "BEGIN:VCARD\r\nEND:VCARD");
  sink.append("SmithJohn_2.vcf", "two");
  sink.append("All Contacts.vcf", "three");
  sink.finish();
  EXPECT_FALSE(fs::exists(folder));
  // Until then the shared file's name says it is partial too.
  EXPECT_EQ(contents(unfinished / "All Contacts.vcf.part"),
            "BEGIN:VCARD\r\nEND:VCARD\r\nthree\r\n");
  sink.complete();
  EXPECT_EQ(sink.location(), folder.string());
  EXPECT_FALSE(fs::exists(unfinished));
  EXPECT_EQ(contents(folder / "All Contacts.vcf"), "BEGIN:VCARD\r\nEND:VCARD\r\nthree\r\n");
  EXPECT_EQ(contents(folder / "SmithJohn_2.vcf"), "two\r\n");
}

TEST_F(FileRecordSinkTest, ANameThatComesBackLaterIsAppendedToAndAStrangerStillNot) {
  FileRecordSink sink(base_, kNoon);
  sink.begin();
  const fs::path folder(sink.location());
  sink.append("A.vcf", "a1");
  for (int i = 0; i < 50; ++i)
    sink.append(std::to_string(i) + ".vcf", "n");
  sink.append("A.vcf", "a2");
  // Names made after the first one came back are known too.
  sink.append("B.vcf", "b1");
  sink.append("C.vcf", "c1");
  sink.append("B.vcf", "b2");
  sink.append("C.vcf", "c2");
  std::ofstream(folder / "D.vcf", std::ios::binary) << "keep me";
  const std::string reason = errorOf([&] { sink.append("D.vcf", "d"); });
  sink.finish();
  EXPECT_EQ(contents(folder / "A.vcf"), "a1\r\na2\r\n");
  EXPECT_EQ(contents(folder / "B.vcf"), "b1\r\nb2\r\n");
  EXPECT_EQ(contents(folder / "C.vcf"), "c1\r\nc2\r\n");
  EXPECT_EQ(contents(folder / "49.vcf"), "n\r\n");
  EXPECT_NE(reason.find("already"), std::string::npos) << reason;
  EXPECT_EQ(contents(folder / "D.vcf"), "keep me");
}

TEST_F(FileRecordSinkTest, TwoRunsInOneSecondNeverShareAFolderOrAFile) {
  FileRecordSink first(base_, kNoon);
  first.begin();
  first.append("All Contacts.vcf", "first run");
  first.finish();
  first.complete();
  // One that never completed keeps its name apart from every finished one.
  FileRecordSink stopped(base_, kNoon);
  stopped.begin();
  stopped.finish();
  FileRecordSink second(base_, kNoon);
  second.begin();
  second.append("All Contacts.vcf", "second run");
  second.finish();
  second.complete();
  EXPECT_EQ(stopped.location(), (base_ / "Quillmere_7_12_2026_12_0_5 (2) (incomplete)").string());
  EXPECT_EQ(second.location(), (base_ / "Quillmere_7_12_2026_12_0_5 (3)").string());
  EXPECT_EQ(contents(base_ / "Quillmere_7_12_2026_12_0_5" / "All Contacts.vcf"), "first run\r\n");
  EXPECT_EQ(contents(fs::path(second.location()) / "All Contacts.vcf"), "second run\r\n");
}

TEST_F(FileRecordSinkTest, AMissingBaseFolderFailsTheFolderAndEveryRecordWithOneReason) {
  const fs::path gone = base_ / "removed meanwhile";
  FileRecordSink sink(gone, kNoon);
  const std::string reason = errorOf([&] { sink.begin(); });
  EXPECT_NE(reason.find(gone.string()), std::string::npos) << reason;
  EXPECT_NE(reason.find("does not exist"), std::string::npos) << reason;
  // The sink states the fact; a window or a command line says what its user can do.
  EXPECT_EQ(reason.find("Change..."), std::string::npos) << reason;
  EXPECT_EQ(errorOf([&] { sink.append("1.vcf", "x"); }), reason);
  EXPECT_FALSE(fs::exists(gone));
}

TEST_F(FileRecordSinkTest, AFileThatIsThereAlreadyIsNeverWrittenInto) {
  FileRecordSink sink(base_, kNoon);
  sink.begin();
  const fs::path stranger = fs::path(sink.location()) / "1.vcf";
  std::ofstream(stranger, std::ios::binary) << "keep me";
  const std::string reason = errorOf([&] { sink.append("1.vcf", "record"); });
  EXPECT_NE(reason.find("already"), std::string::npos) << reason;
  EXPECT_EQ(contents(stranger), "keep me");
}

TEST_F(FileRecordSinkTest, AReadOnlyDiskIsNamed) {
  makeDiskReadOnly();
  FileRecordSink sink(base_, kNoon);
  const std::string reason = errorOf([&] { sink.begin(); });
  const char* expected = mounted_ ? "can only be read" : "may not";
  EXPECT_NE(reason.find(expected), std::string::npos) << reason;
}

TEST_F(FileRecordSinkTest, AFullDiskKeepsEveryRecordWholeOrNotThereAtAll) {
  makeDiskSmall();
  const std::string record = "BEGIN:VCARD\r\n" + std::string(3000, 'n') + "\r\nEND:VCARD";
  FileRecordSink sink(base_, kNoon);
  sink.begin();
  const fs::path single = fs::path(sink.location()) / "All Contacts.vcf.part";
  int written = 0;
  std::string reason;
  for (int i = 0; i < 100 && reason.empty(); ++i) {
    reason = errorOf([&] { sink.append("All Contacts.vcf", record); });
    if (reason == "(no error)") {
      reason.clear();
      ++written;
    }
  }
  ASSERT_FALSE(reason.empty()) << "64 KiB took 100 records of 3 KiB";
  EXPECT_NE(reason.find(mounted_ ? "the disk is full" : "too large"), std::string::npos) << reason;
  EXPECT_GT(written, 0);
  std::string expected;
  for (int i = 0; i < written; ++i)
    expected += record + "\r\n";
  EXPECT_EQ(contents(single), expected);

  // A separate file the record would have begun is not left behind half-made.
  const std::string large = "BEGIN:VCARD\r\n" + std::string(70000, 'n') + "\r\nEND:VCARD";
  const std::string next = errorOf([&] { sink.append("SmithJohn_99.vcf", large); });
  EXPECT_NE(next, "(no error)");
  EXPECT_FALSE(fs::exists(fs::path(sink.location()) / "SmithJohn_99.vcf"));
  sink.finish();
  EXPECT_EQ(contents(single), expected);
}

// Records go out in batches once a file has one. Whether the limit on a file's size is known
// when room is reserved ahead, or comes only after, the file holds whole records only, and
// exactly those counted as written; those a failed batch lost make finish() say how many.
TEST_F(FileRecordSinkTest, AFileSizeLimitKeepsExactlyTheRecordsCountedAsWritten) {
  for (const bool limitFirst : {true, false}) {
    if (limited_) ::setrlimit(RLIMIT_FSIZE, &fileSizeBefore_);
    if (limitFirst) limitFileSize(64 * 1024);
    FileRecordSink sink(base_, kNoon);
    sink.begin();
    const fs::path single = fs::path(sink.location()) / "All Contacts.vcf.part";
    std::string counted;
    int failures = 0;
    for (int i = 0; i < 400; ++i) {
      // Sizes that go up and down, so that smaller records still fit after larger ones failed.
      const std::string record =
          "BEGIN:VCARD\r\n" + std::string(50 + i * 7919 % 1500, 'n') + "\r\nEND:VCARD";
      if (errorOf([&] { sink.append("All Contacts.vcf", record); }) == "(no error)") {
        counted += record + "\r\n";
      } else {
        ++failures;
      }
      if (!limitFirst && i == 20) limitFileSize(static_cast<rlim_t>(fs::file_size(single)) + 5000);
    }
    EXPECT_GT(failures, 0) << "limit first: " << limitFirst;
    const std::string beforeFinish = contents(single);
    const std::string reason = errorOf([&] { sink.finish(); });
    const std::string kept = contents(single);
    if (limitFirst) {
      EXPECT_EQ(kept, counted);
      EXPECT_EQ(reason, "(no error)");
      continue;
    }
    // A failed batch is cut back to its whole records, which begin what was counted.
    for (const std::string& text : {beforeFinish, kept}) {
      EXPECT_EQ(counted.substr(0, text.size()), text);
      EXPECT_TRUE(text.ends_with("END:VCARD\r\n"));
    }
    const auto records = [](const std::string& text) {
      std::size_t n = 0;
      for (std::size_t at = text.find("BEGIN:"); at != std::string::npos;
           at = text.find("BEGIN:", at + 1))
        ++n;
      return n;
    };
    const std::string lost = "lacks the last " + std::to_string(records(counted) - records(kept));
    EXPECT_NE(reason.find(lost), std::string::npos) << reason;
  }
}

}  // namespace
}  // namespace quillmere::core
