#pragma once

#include <sys/types.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/DatedExportFolder.h"
#include "core/RecordSink.h"

namespace quillmere::core {

// Stores records as UTF-8 files in a new dated folder inside a base folder. A run never
// writes into an earlier run's folder or file: when the dated folder exists already (two
// runs in one second), a new one is made beside it.
class FileRecordSink : public RecordSink {
 public:
  FileRecordSink(std::filesystem::path base, const LocalTime& at);
  ~FileRecordSink() override;
  FileRecordSink(const FileRecordSink&) = delete;
  FileRecordSink& operator=(const FileRecordSink&) = delete;

  void begin() override;
  void append(const std::string& fileName, std::string_view record) override;
  void finish() override;
  std::string location() const override { return folder_.string(); }

 private:
  int openFile(const std::string& fileName);
  void closeOpenFile();

  std::filesystem::path base_;
  std::filesystem::path folder_;
  std::string unusable_;  // why the folder could not be made
  bool begun_ = false;
  // The file kept open between records, so one file for all contacts costs one write each.
  int openFd_ = -1;
  std::string openName_;
  off_t openSize_ = 0;  // bytes in the open file, all of them whole records
  std::set<std::string> created_;
};

}  // namespace quillmere::core
