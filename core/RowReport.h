#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/BatchWorker.h"
#include "core/ExportReport.h"

namespace quillmere::core {

// Why a report could not be kept or saved, naming the file and what to do.
class ReportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What happened to every data row of one export run, for the user to keep as CSV. The run's
// outcomes go to a spool file as they come, a few dozen bytes each, so a million rows cost
// no memory; the CSV is made from the spool on demand: UTF-8, a header line, one line per
// row (sheet row, outcome, file, failure reason or the values a written row had no field left
// for and the cells it could not read as their fields ask, and the earlier rows that look
// like the same
// contact), RFC 4180 quoting and CR LF line ends.
class RowReport {
 public:
  // The saved file is written under this name beside the destination and then renamed over
  // it, so a save that fails leaves any earlier file as it was.
  static constexpr std::string_view kPartialSuffix = ".part";
  // A spool text longer than this is damage, not a file name or a reason.
  static constexpr std::uint32_t kMaxSpoolText = 1u << 20;

  static constexpr std::string_view kHeaderLine = "Row,Outcome,File,Reason,Same Contact As Rows";

  // Starts an empty report spooled to `spool`, replacing any file of that name. A spool that
  // cannot be written does not stop the run: problem() says why, and saving refuses.
  explicit RowReport(std::filesystem::path spool);
  ~RowReport();
  RowReport(const RowReport&) = delete;
  RowReport& operator=(const RowReport&) = delete;

  void add(const RowOutcome& outcome);
  // A line after the rows' for data the run never took up, with the sheet row it begins at
  // (0 for none) and why.
  void addNotRead(std::uint32_t sheetRow, std::string reason);
  // Closes the spool after the run's last row; only then can the report be saved.
  void finish();

  std::int64_t rows() const { return rows_; }
  // Empty while the spool is kept; may be set during the run, by the spool's thread.
  std::string problem() const;

  // Writes the CSV to `destination`, replacing a file there only once all of it is written.
  // Throws ReportError naming the file and what went wrong.
  void saveCsv(const std::filesystem::path& destination) const;

  static std::string_view outcomeText(RowOutcome::Kind kind);

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  using File = std::unique_ptr<std::FILE, FileCloser>;

  void spool(const std::string& batch);  // on the spool's thread
  void fail(const std::string& what, int error);

  std::filesystem::path spool_;
  File out_;
  std::int64_t rows_ = 0;
  std::size_t keys_ = 0;  // contact keys spooled, to size the index for a save
  std::string record_;    // a batch's rows as the spool keeps them
  bool finished_ = false;
  mutable std::mutex problemMutex_;
  std::string problem_;
  std::atomic<bool> spoolFailed_{false};
  std::vector<std::pair<std::uint32_t, std::string>> notRead_;
  std::unique_ptr<BatchWorker> worker_;  // last, so it stops before the rest goes
};

}  // namespace quillmere::core
