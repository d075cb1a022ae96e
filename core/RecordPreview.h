#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ContactRowReader.h"
#include "core/ContactValues.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "source/SheetReader.h"
#include "source/load/DataRowWalk.h"
#include "source/load/SheetTable.h"

namespace quillmere::core {

// One data row as a run with the current options would write it.
struct PreviewCard {
  std::uint32_t sheetRow = 0;
  std::int32_t dataRow = 0;  // its place among the data rows, from 1
  bool dropped = false;      // the empty e-mail rule drops it: no record, no file
  std::string record;        // the record text, without the line end the file adds
  std::string file;          // the file the record would go to
  // The card's photo as its PHOTO line holds it, JPEG in base64, to show beside the text;
  // empty without one. Why a photo cell gave none is among `notes`.
  std::string photo;
  std::vector<std::string> notes;  // the row's value notes, as the report words them
};

// The records of a loaded sheet one data row at a time, read by the export's own row reader
// and record builder, so a card is exactly what a run writes for its row.
class RecordPreview {
 public:
  // Reads `sheet` from its start, which must outlive the preview: checks its header row
  // (WorkbookChanged) and moves to the first data row.
  RecordPreview(source::SheetReader& sheet, source::SheetTable table,
                std::vector<ColumnPair> columns, char decimalSeparator);
  RecordPreview(const RecordPreview&) = delete;
  RecordPreview& operator=(const RecordPreview&) = delete;

  std::int32_t dataRows() const { return table_.dataRows(); }
  // The current data row, from 1; 0 when the sheet has none.
  std::int32_t position() const { return position_; }

  // Moves to data row `index` (1 to dataRows(); false for any other): onwards by reading on,
  // backwards by reading again from the start. `keepGoing` is asked after each row passed on
  // the way; when it says no, the walk stays where it has got to and returns false. Throws
  // WorkbookChanged when the sheet ends before the row, and the reader's WorkbookError when
  // it cannot be read; the next move then starts from the beginning.
  bool moveTo(std::int32_t index, const std::function<bool()>& keepGoing = {});

  // Reads the Photo column's pictures with `pictures`, which must outlive the preview; without
  // it a photo cell is noted as not read.
  void readPictures(const PictureShrinker* pictures) { pictures_ = pictures; }

  // The current row's card with the options as they are now; an empty card (sheet row 0)
  // when there is no current row.
  PreviewCard card(ExportOptions& options);

 private:
  void restart();
  void countDroppedWithoutEmptyEmails();

  source::SheetReader& sheet_;
  const source::SheetTable table_;
  const ExportJob job_;
  ContactRowReader reader_;
  std::optional<source::DataRowWalk> rows_;
  ContactValues values_;
  std::int32_t position_ = 0;
  // Data rows before the current one that the e-mail rule drops when empty e-mail addresses
  // are not allowed, with numbers as text forms [0] and as shown [1]; with them allowed none
  // is dropped. The file number follows from it.
  std::array<std::int32_t, 2> droppedBefore_{};
  bool lost_ = false;  // a read failed part-way; where the sheet stands is unknown
  const PictureShrinker* pictures_ = nullptr;
};

}  // namespace quillmere::core
