#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "core/ContactKeys.h"
#include "core/ContactValues.h"
#include "source/load/SheetTable.h"

namespace quillmere::core {

// What happened to one data row.
struct RowOutcome {
  enum class Kind : unsigned char { Written, DroppedEmptyEmail, Failed };
  std::uint32_t sheetRow = 0;
  Kind kind = Kind::Written;
  std::string file;    // the file it went to (or would have)
  std::string reason;  // why it failed; for a written row, what the report adds of it
  // Written, but the card read back from its text differs from the row (`reason` says how).
  bool readsBackDifferently = false;
  // The row's values as the record was built from them (for a dropped row, those read before
  // its e-mail cell); valid only while the outcome is being reported.
  const ContactValues* values = nullptr;
  // Its contact keys when they were made with its record, on the thread that built it; else
  // a report makes them from the values.
  const ContactKeys* keys = nullptr;
};

// The counters as they stand during a run.
struct ExportProgress {
  std::int32_t rowsProcessed = 0;      // data rows taken up so far
  std::int32_t contactCount = 0;       // contacts written
  std::int32_t emptyEmailCount = 0;    // rows dropped by the empty e-mail rule
  std::int32_t failedCount = 0;        // contacts that could not be written
  std::int32_t readBackCount = 0;      // contacts written whose cards read back differently
  std::int32_t unreadDateCount = 0;    // date cells of written contacts no date could be read from
  std::int32_t leftOutValueCount = 0;  // values of written contacts that found no free field
  std::int32_t dataRows = 0;           // data rows the load counted
  std::int32_t photoCount = 0;         // written contacts whose card holds a photo
  std::int32_t photoLeftOutCount = 0;  // photo cells of written contacts the card went without
};

// What a whole run did. Success is every data row written or dropped by the e-mail rule.
struct ExportReport {
  ExportProgress counts;
  std::string location;       // where the records went
  std::string firstFailure;   // the first reason a contact was not written
  std::string firstReadBack;  // how the first card that reads back differently differs
  bool stopped = false;       // the run was stopped before its end (the window closed)
  std::string readFailure;    // the sheet could no longer be read part-way; rows after it are lost
  std::string closeFailure;   // records written earlier could not be kept when closing
  // The errors behind firstFailure and readFailure, for a window to word them in its own
  // language; null where the report holds only the sentence.
  std::exception_ptr firstError;
  std::exception_ptr readError;
  // Filled cells the rules leave unread: as the load found them, or as the run did when
  // the rows were not counted first.
  source::SkippedData skipped;

  // Contacts that failed, and data rows the run never reached.
  std::int32_t notWritten() const {
    const std::int32_t unreached = counts.dataRows - counts.rowsProcessed;
    return counts.failedCount + (unreached > 0 ? unreached : 0);
  }
  bool everyContactWritten() const {
    return !stopped && notWritten() == 0 && counts.readBackCount == 0 && readFailure.empty() &&
           closeFailure.empty();
  }
  // Every contact is in its file, only some cards read back otherwise than their rows.
  bool onlyReadBackDiffers() const {
    return notWritten() == 0 && counts.readBackCount > 0 && readFailure.empty() &&
           closeFailure.empty() && !stopped;
  }

  // The one reason to give for contacts not written: the sheet that stopped being read when
  // no contact failed on its own, else the first contact that failed.
  struct Reason {
    const std::string& text;
    const std::exception_ptr& error;
  };
  Reason reasonNotWritten() const {
    if (!readFailure.empty() && counts.failedCount == 0) return {readFailure, readError};
    return {firstFailure, firstError};
  }
};

}  // namespace quillmere::core
