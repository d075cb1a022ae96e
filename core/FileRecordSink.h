#pragma once

#include <sys/types.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/DatedExportFolder.h"
#include "core/RecordSink.h"

namespace quillmere::core {

// Stores records as UTF-8 files in a new dated folder inside a base folder. A run never
// writes into an earlier run's folder or file: when the dated folder exists already (two
// runs in one second), a new one is made beside it. Until complete() the folder's name ends
// in " (incomplete)", so a run stopped, killed or cut off by a power failure never leaves a
// folder that looks like a finished one, nor a shared file that does.
class FileRecordSink : public RecordSink {
 public:
  FileRecordSink(std::filesystem::path base, const LocalTime& at);
  ~FileRecordSink() override;
  FileRecordSink(const FileRecordSink&) = delete;
  FileRecordSink& operator=(const FileRecordSink&) = delete;

  void begin() override;
  void append(const std::string& fileName, std::string_view record) override;
  void finish() override;
  void complete() override;
  std::string location() const override { return folder_.string(); }

  static constexpr std::string_view kIncompleteSuffix = " (incomplete)";
  // The shared file for all contacts carries it until complete(): a kill may cut its last
  // record short, which a separate file of one small record, written in one piece, escapes.
  static constexpr std::string_view kPartialSuffix = ".part";

 private:
  int openFile(const std::string& fileName);
  void closeOpenFile();
  // The file's full path in a buffer reused for every file: a path object per file costs
  // more than the file's own system calls.
  const char* pathOf(const std::string& fileName);
  bool madeByThisRun(const std::string& fileName);

  std::filesystem::path base_;
  std::filesystem::path wanted_;  // the dated name
  std::filesystem::path folder_;
  std::filesystem::path final_;          // the name the folder takes once complete
  int finalAttempt_ = 1;                 // its number among "folder", "folder (2)", ...
  std::unique_ptr<SinkError> unusable_;  // why the folder could not be made
  bool begun_ = false;
  // The file kept open between records, so one file for all contacts costs one write each.
  int openFd_ = -1;
  std::string openName_;
  off_t openSize_ = 0;  // bytes in the open file, all of them whole records
  // Every file this run made, in order. Looked up only when a name comes back, so the index
  // is built then: hashing 100,000 names as they are made cost a fifth of the whole run.
  std::deque<std::string> created_;
  // Known as it is made, so completing a run of 100,000 files needs no index of their names.
  bool sharedFileMade_ = false;
  std::unordered_set<std::string_view> createdIndex_;
  std::size_t indexed_ = 0;  // entries of created_ already in createdIndex_
  std::string folderText_;   // folder_ with a trailing separator
  std::string pathBuffer_;
};

}  // namespace quillmere::core
