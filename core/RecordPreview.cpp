#include "core/RecordPreview.h"

#include "core/CheckedRecord.h"
#include "core/ContactFileName.h"
#include "core/VCardRecord.h"

namespace quillmere::core {

namespace {

// The e-mail rule as it stands with the box for empty addresses not ticked, numbers taken
// one way or the other: a number shown as spaces alone is an empty address too.
class NoEmptyEmails : public ExportOptions {
 public:
  explicit NoEmptyEmails(bool asShown) : asShown_(asShown) {}
  VCardVersion vCardVersion() override { return VCardVersion::V21; }
  bool singleFile() override { return false; }
  bool allowEmptyEmail() override { return false; }
  bool keepNumbersAsShown() override { return asShown_; }

 private:
  bool asShown_;
};

}  // namespace

RecordPreview::RecordPreview(source::SheetReader& sheet, source::SheetTable table,
                             std::vector<ColumnPair> columns, char decimalSeparator)
    : sheet_(sheet),
      table_(std::move(table)),
      job_{table_, std::move(columns), decimalSeparator},
      reader_(job_) {
  restart();
  if (dataRows() > 0) moveTo(1);
}

void RecordPreview::restart() {
  sheet_.rewind();
  position_ = 0;
  droppedBefore_ = {};
  lost_ = true;
  checkHeaderRow(sheet_, job_);
  rows_ = source::DataRowWalk::over(table_);
  lost_ = false;
}

void RecordPreview::countDroppedWithoutEmptyEmails() {
  for (const bool asShown : {false, true}) {
    NoEmptyEmails strict(asShown);
    if (reader_.read(sheet_, strict, values_)) ++droppedBefore_[asShown ? 1 : 0];
  }
}

bool RecordPreview::moveTo(std::int32_t index, const std::function<bool()>& keepGoing) {
  if (index < 1 || index > dataRows()) return false;
  if (lost_ || index < position_) restart();
  lost_ = true;
  while (position_ < index) {
    if (position_ > 0) countDroppedWithoutEmptyEmails();
    if (!rows_->next(sheet_)) {
      throw WorkbookChanged(WorkbookChanged::Kind::FewerRows, table_.workbook);
    }
    ++position_;
    if (position_ < index && keepGoing && !keepGoing()) {
      lost_ = false;
      return false;
    }
  }
  lost_ = false;
  return true;
}

PreviewCard RecordPreview::card(ExportOptions& options) {
  PreviewCard card;
  if (position_ == 0 || lost_) return card;
  card.sheetRow = sheet_.rowNumber();
  card.dataRow = position_;
  card.dropped = reader_.read(sheet_, options, values_);
  if (card.dropped) return card;
  const std::int32_t dropped =
      options.allowEmptyEmail() ? 0 : droppedBefore_[reader_.readAsShown() ? 1 : 0];
  if (!values_[Field::Photo].empty()) {
    PhotoReading reading = photoReading(job_);
    reading.shrinker = pictures_;
    attachPhoto(values_, reading, photoLimits(options.destination()));
    card.photo = values_.photo();
  }
  for (const ValueNote& note : values_.notes())
    card.notes.push_back(noteText(note));
  card.record = buildRecord(values_, recordForm(options.vCardVersion(), options.destination()));
  // Under a limit of contacts per file the shared file is one of its numbered parts.
  const std::int32_t perFile = contactsPerFile(options.destination(), options.perFile());
  card.file = options.singleFile() && perFile > 0
                  ? splitFileName((position_ - dropped - 1) / perFile + 1)
                  : recordFileName(values_, options.singleFile(), position_, dropped);
  return card;
}

}  // namespace quillmere::core
