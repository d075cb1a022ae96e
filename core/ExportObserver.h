#pragma once

#include "core/ExportReport.h"

namespace quillmere::core {

// Told after every data row of a run, so a window can show the counters, keep answering and
// keep a report of each row.
class ExportObserver {
 public:
  virtual ~ExportObserver() = default;
  // False stops the run before the next row (the window is closing).
  virtual bool rowDone(const ExportProgress& progress, const RowOutcome& outcome) = 0;
};

}  // namespace quillmere::core
