#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/ContactSheet.h"
#include "core/DatedExportFolder.h"
#include "core/ExportObserver.h"
#include "core/ExportOptions.h"
#include "core/ExportReport.h"
#include "core/ExportSession.h"
#include "ui/EventPump.h"

class QTemporaryDir;

namespace quillmere::ui {

class ExportPage;

// One conversion of the loaded sheet as step 3 shows it: runs an ExportSession into a new
// dated folder, keeps the window answering and the counters and the bar moving while it
// goes, and keeps the last finished session for its report. It knows nothing of the window
// around it: the window asks it to run and is told how the run ended.
class Conversion : private core::ExportObserver {
 public:
  // `pictures` reads a Photo column's pictures and must outlive the conversion; none notes
  // each photo cell as not read.
  Conversion(ExportPage& page, const core::PictureShrinker* pictures);
  ~Conversion() override;

  struct Ended {
    std::optional<core::ExportReport> report;  // none when the run was refused
    QString refusal;                           // why, when refused before anything was made
  };

  // Converts every data row of `sheet` into a dated folder in `baseFolder`. `stop` is read
  // after each row; once true, the run ends at that row.
  Ended run(core::ContactSheet& sheet, std::vector<core::ColumnPair> columns,
            core::ExportOptions& options, const QString& baseFolder, const core::LocalTime& at,
            const bool& stop);

  bool running() const { return running_ != nullptr; }
  // Moves the bar to the share of data rows the running conversion has taken up.
  void showProgress();
  void showCounterLabels(bool shown);
  void showCounters(const core::ExportProgress& progress);
  // The rows of the last conversion that ran to its end, for Save Report; null before one.
  const core::RowReport* report() const;

 private:
  bool rowDone(const core::ExportProgress& progress, const core::RowOutcome& outcome) override;
  QString nextSpool();

  ExportPage& page_;
  const core::PictureShrinker* pictures_;
  EventPump pump_;
  unsigned rowsSinceClock_ = 0;
  const bool* stop_ = nullptr;
  std::unique_ptr<core::ExportSession> running_;
  std::unique_ptr<core::ExportSession> last_;
  // The spools of the runs' reports, in a temporary folder of this window's own.
  std::unique_ptr<QTemporaryDir> reportFolder_;
  int runs_ = 0;  // numbers each run's spool, so a new one never overwrites the last
};

}  // namespace quillmere::ui
