#pragma once

#include <sys/types.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/DatedExportFolder.h"
#include "core/RecordSink.h"

namespace quillmere::core {

// Stores records as UTF-8 files in a new dated folder inside a base folder. A run never
// writes into an earlier run's folder or file: when the dated folder exists already (two
// runs in one second), a new one is made beside it. Until complete() the folder's name ends
// in " (incomplete)", so a run stopped, killed or cut off by a power failure never leaves a
// folder that looks like a finished one, nor a shared file that does.
//
// The second and later records of a file go out many to a write, into room reserved in advance
// without changing the file's size, so a write cannot run out of room part-way and a kill
// leaves whole records only. Where no room can be reserved (a full disk, a file-size limit,
// a file system without it) each record goes out on its own, whole or not at all, as the
// first always does. A write that fails even so is cut back to its whole records; those
// lost that were counted as written make finish() fail.
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
  static constexpr std::size_t kPendingBytes = 64 * 1024;
  static constexpr off_t kReserveBytes = 4 << 20;

  int openFile(const std::string& fileName);
  void closeOpenFile();
  // Writes one record and its line end to the open file at once, or leaves the file as it was.
  void writeWhole(int fd, const std::string& fileName, std::string_view record);
  // Whether `bytes` more fit in the room reserved for the open file, reserving more if needed.
  bool fitsReserved(int fd, std::size_t bytes);
  // Writes the pending records; false when that failed, its whole records kept and the rest
  // counted lost.
  bool writePending();
  [[noreturn]] void throwLost();
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
  off_t openSize_ = 0;   // bytes in the open file, all of them whole records
  int openRecords_ = 0;  // records sent to the open file since it was opened
  std::string pending_;  // records for the open file not written yet, each with its line end
  std::vector<std::size_t> pendingEnds_;  // where each of them ends in pending_
  off_t reservedEnd_ = 0;                 // the open file's room reserved so far
  bool reservable_ = true;
  // Records counted as written that a failed write lost, and why.
  std::size_t lostRecords_ = 0;
  std::string lostReason_;
  std::filesystem::path lostFile_;
  int lostError_ = 0;
  // Every file this run made, in order. Looked up only when a name comes back, so the index
  // is built then: hashing 100,000 names as they are made cost a fifth of the whole run.
  std::deque<std::string> created_;
  // Known as they are made, so completing a run of 100,000 files needs no index of their names:
  // the one shared file, or its parts.
  std::deque<std::string> sharedFilesMade_;
  std::unordered_set<std::string_view> createdIndex_;
  std::size_t indexed_ = 0;  // entries of created_ already in createdIndex_
  std::string folderText_;   // folder_ with a trailing separator
  std::string pathBuffer_;
};

}  // namespace quillmere::core
