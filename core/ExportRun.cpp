#include "core/ExportRun.h"

#include <exception>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_set>

#include "core/CheckedRecord.h"
#include "core/ContactFileName.h"
#include "core/ContactRowReader.h"
#include "core/ContactUid.h"
#include "core/ContactValues.h"
#include "core/ReadBackWorker.h"
#include "core/RecordsAheadFromFile.h"
#include "core/RecordsAheadFromKeptRows.h"
#include "core/VCardRecord.h"
#include "source/load/DataRowWalk.h"

namespace quillmere::core {

namespace {

class Run {
 public:
  Run(source::SheetReader& sheet, const ExportJob& job, ExportOptions& options, RecordSink& sink,
      ExportObserver& observer)
      : sheet_(sheet),
        job_(job),
        options_(options),
        sink_(sink),
        observer_(observer),
        reader_(job) {
    report_.counts.dataRows = job.table.dataRows();
  }

  ExportReport run() {
    try {
      sink_.begin();
    } catch (const SinkError& error) {
      // Every record will fail with this same reason; the run still takes every row so the
      // report accounts for each.
      noteFailure(error.what(), std::current_exception());
    }
    try {
      const source::SheetTable& table = job_.table;
      auto rows = source::DataRowWalk::over(table);
      // A run that finds the rows as it goes notes what it passes over; the sheet stands on
      // the header row here.
      report_.skipped = table.skipped;
      if (!table.rowsCounted) {
        rows.noteSkipped(report_.skipped);
        rows.notePastHeaders(sheet_);
      }
      takeRows(rows);
    } catch (const std::exception& error) {
      report_.readFailure = error.what();
      report_.readError = std::current_exception();
    }
    try {
      sink_.finish();
      // Only a run that took every row may look finished; a stopped or broken one never does.
      if (!report_.stopped && report_.readFailure.empty()) sink_.complete();
    } catch (const SinkError& error) {
      report_.closeFailure = error.what();
      noteFailure(error.what(), std::current_exception());
    }
    report_.location = sink_.location();
    // Rows found as the run went are all the data rows there are.
    if (!job_.table.rowsCounted) report_.counts.dataRows = report_.counts.rowsProcessed;
    if (report_.readFailure.empty() && !report_.stopped &&
        report_.counts.rowsProcessed < report_.counts.dataRows) {
      const WorkbookChanged fewer(WorkbookChanged::Kind::FewerRows, job_.table.workbook);
      report_.readFailure = fewer.what();
      report_.readError = std::make_exception_ptr(fewer);
    }
    return std::move(report_);
  }

 private:
  // How the run takes its rows, chosen once, before the first.
  enum class Strategy {
    // Each row read and built on the run's thread, each option asked at its moment of use.
    RowByRow,
    // Rows that never change (kept rows), with options that can give all their answers at
    // once: the records are built ahead on cursors of their own, and each row's answers are
    // checked as the run takes it.
    AheadFromKeptRows,
    // A file read once as it goes on this thread, with answers that never change: the
    // builders take turns reading its rows and build their records apart.
    AheadFromFile,
  };

  struct Choice {
    Strategy strategy = Strategy::RowByRow;
    std::unique_ptr<source::SheetReader> cursor;  // the second cursor over kept rows
    std::optional<OptionAnswers> answers;
  };

  // A workbook read ahead is taken row by row, its one conversion thread measured faster as
  // its parsing keeps a core busy of its own; but phone numbers put in international form, and
  // pictures made photos, outweigh that parsing many times over, and gain from both builders.
  Choice chooseStrategy() {
    Choice choice;
    choice.cursor = sheet_.anotherCursor();
    if (choice.cursor != nullptr) {
      choice.answers = options_.answers();
      if (choice.answers) choice.strategy = Strategy::AheadFromKeptRows;
      return choice;
    }
    if (!options_.answersFixed()) return choice;
    choice.answers = options_.answers();
    if (!choice.answers) return choice;
    const bool photos = choice.answers->moreFields && job_.pictures != nullptr &&
                        pairsField(job_.columns, Field::Photo);
    if (!sheet_.readsAhead() || !choice.answers->phoneCountry.empty() || photos) {
      choice.strategy = Strategy::AheadFromFile;
    }
    return choice;
  }

  void takeRows(source::DataRowWalk& rows) {
    Choice choice = chooseStrategy();
    switch (choice.strategy) {
      case Strategy::RowByRow:
        if (options_.answersFixed() && job_.readBack) {
          checking_ = std::make_unique<ReadBackWorker>();
        }
        takeInSheetOrder(rows);
        return;
      case Strategy::AheadFromKeptRows:
        ahead_ = std::make_unique<RecordsAheadFromKeptRows>(std::move(choice.cursor), job_);
        ahead_->start(0, *choice.answers);
        takeInSheetOrder(rows);
        return;
      case Strategy::AheadFromFile:
        takeBuiltFromFile(rows, *choice.answers);
        return;
    }
  }

  // Walks the sheet on this thread, taking each row built ahead while there is one for it.
  void takeInSheetOrder(source::DataRowWalk& rows) {
    try {
      while (rows.next(sheet_)) {
        if (!takeRow(sheet_.rowNumber())) {
          report_.stopped = true;
          return;
        }
      }
    } catch (const std::exception&) {
      // The rows read before the failure are written before it is reported.
      writeRowsChecked();
      throw;
    }
    writeRowsChecked();
  }

  void takeBuiltFromFile(source::DataRowWalk& rows, const OptionAnswers& answers) {
    RecordsAheadFromFile built(sheet_, rows, job_, answers);
    while (const BuiltRow* row = built.next()) {
      if (!writeRow(row->sheetRow, *row, answers)) {
        report_.stopped = true;
        return;
      }
    }
    if (built.failure()) std::rethrow_exception(built.failure());
  }

  bool takeRow(std::uint32_t row) {
    if (ahead_ == nullptr) return readRow(row);
    const std::optional<OptionAnswers> answers = options_.answers();
    const BuiltRow* built = ahead_->next();
    if (built != nullptr && built->sheetRow == row && answers == ahead_->answers()) {
      return writeRow(row, *built, *answers);
    }
    // Built with answers that changed since, or not built at all: this row is read here, and
    // the rows after it are built again with the answers now given.
    ahead_->stop();
    const bool going = readRow(row);
    if (built != nullptr && ++restarts_ <= kMaxRestarts) {
      if (const std::optional<OptionAnswers> now = options_.answers()) {
        ahead_->start(row, *now);
        return going;
      }
    }
    ahead_.reset();
    return going;
  }

  bool readRow(std::uint32_t row) {
    if (checking_ != nullptr) return readRowToCheck(row);
    const bool dropped = reader_.read(sheet_, options_, values_);
    built_.record.clear();
    built_.dropped = dropped;
    if (dropped) return writeRow(row, values_, built_, {}, nullptr);
    const VCardVersion version = options_.vCardVersion();
    const Destination destination = options_.destination();
    buildCheckedRecord(built_.record, built_.readBack, values_, version, destination, job_);
    return writeRow(row, values_, built_, {options_.singleFile(), destination, options_.perFile()},
                    nullptr);
  }

  // Builds the row's record here and leaves reading it back to another thread; the rows are
  // written a batch behind, as each batch comes back.
  bool readRowToCheck(std::uint32_t row) {
    RowToCheck& next = checking_->slot();
    BuiltRow& built = next.built;
    built.sheetRow = row;
    built.record.clear();
    built.readBack.clear();
    built.dropped = reader_.read(sheet_, options_, built.values);
    if (!built.dropped) {
      next.version = options_.vCardVersion();
      next.destination = options_.destination();
      next.singleFile = options_.singleFile();
      next.perFile = options_.perFile();
      buildRecord(built.record, built.values, next.version, next.destination, job_, next.uid);
    }
    return !checking_->add() || writeChecked(checking_->handOver());
  }

  bool writeChecked(std::span<RowToCheck> rows) {
    for (const RowToCheck& row : rows) {
      const BuiltRow& built = row.built;
      if (!writeRow(built.sheetRow, built.values, built,
                    {row.singleFile, row.destination, row.perFile}, nullptr)) {
        return false;
      }
    }
    return true;
  }

  // The rows still waiting to be read back, once the sheet has given its last.
  void writeRowsChecked() {
    if (checking_ == nullptr || report_.stopped) return;
    for (std::span<RowToCheck> rows = checking_->drain(); !rows.empty();
         rows = checking_->drain()) {
      if (!writeChecked(rows)) {
        report_.stopped = true;
        return;
      }
    }
  }

  // What the options say of where a built record goes.
  struct Placing {
    bool singleFile = false;
    Destination destination = Destination::AnyApp;
    std::int32_t perFile = 0;
  };

  bool writeRow(std::uint32_t row, const BuiltRow& built, const OptionAnswers& answers) {
    return writeRow(row, built.values, built,
                    {answers.singleFile, answers.destination, answers.perFile},
                    built.keys ? &*built.keys : nullptr);
  }

  bool writeRow(std::uint32_t row, const ContactValues& values, const BuiltRow& built,
                const Placing& placing, const ContactKeys* keys) {
    ExportProgress& counts = report_.counts;
    ++counts.rowsProcessed;
    RowOutcome outcome;
    outcome.sheetRow = row;
    outcome.values = &values;
    outcome.keys = keys;
    if (built.dropped) {
      ++counts.emptyEmailCount;
      outcome.kind = RowOutcome::Kind::DroppedEmptyEmail;
      return observer_.rowDone(counts, outcome);
    }
    const DestinationProfile& profile = profileOf(placing.destination);
    const std::int32_t perFile = contactsPerFile(placing.destination, placing.perFile);
    if (placing.singleFile && perFile > 0) {
      outcome.file = splitFileName(sharedWritten_ / perFile + 1);
    } else {
      outcome.file =
          recordFileName(values, placing.singleFile, counts.rowsProcessed, counts.emptyEmailCount);
    }
    const std::string* record = &built.record;
    if (profile.standardForms) record = withDistinctUid(*record, outcome.reason);
    try {
      if (profile.maxCardBytes != 0 && record->size() > profile.maxCardBytes) {
        throw CardTooLarge(record->size(), profile.maxCardBytes, std::string(profile.label));
      }
      sink_.append(outcome.file, *record);
      ++counts.contactCount;
      for (const ValueNote& note : values.notes()) {
        if (note.kind == ValueNote::Kind::NotADate) ++counts.unreadDateCount;
        if (note.kind == ValueNote::Kind::PhotoLeftOut) ++counts.photoLeftOutCount;
      }
      counts.leftOutValueCount += static_cast<std::int32_t>(values.leftOut().size());
      if (values.hadPhoto()) ++counts.photoCount;
      if (placing.singleFile) ++sharedWritten_;
      if (!built.readBack.empty()) {
        ++counts.readBackCount;
        outcome.readsBackDifferently = true;
        if (!outcome.reason.empty()) outcome.reason += "; ";
        outcome.reason += built.readBack;
        if (report_.firstReadBack.empty()) report_.firstReadBack = built.readBack;
      }
    } catch (const SinkError& error) {
      ++counts.failedCount;
      outcome.kind = RowOutcome::Kind::Failed;
      outcome.reason = error.what();
      noteFailure(outcome.reason, std::current_exception());
    }
    return observer_.rowDone(counts, outcome);
  }

  // The record itself, or a copy whose UID is made distinct from an earlier row's that the same
  // names and e-mail would give, said in `note`.
  const std::string* withDistinctUid(const std::string& record, std::string& note) {
    const std::size_t at = uidValueAt(record);
    if (at == std::string::npos || record.size() < at + kUidTextSize) return &record;
    const ContactUid uid = uidFromText(std::string_view(record).substr(at, kUidTextSize));
    if (uidsGiven_.insert(uid).second) return &record;
    ContactUid distinct = uid;
    for (std::uint32_t occurrence = 2; !uidsGiven_.insert(distinct).second; ++occurrence)
      distinct = distinctUid(uid, occurrence);
    distinctRecord_ = record;
    std::string text;
    appendUidText(text, distinct);
    distinctRecord_.replace(at, kUidTextSize, text);
    note =
        "given a UID of its own: an earlier row has the same names and first e-mail, which "
        "make the UID";
    return &distinctRecord_;
  }

  void noteFailure(const std::string& reason, std::exception_ptr error) {
    if (!report_.firstFailure.empty()) return;
    report_.firstFailure = reason;
    report_.firstError = std::move(error);
  }

  source::SheetReader& sheet_;
  const ExportJob& job_;
  ExportOptions& options_;
  RecordSink& sink_;
  ExportObserver& observer_;
  ContactRowReader reader_;
  ContactValues values_;
  BuiltRow built_;  // the row read here: its record and read-back, reused from row to row
  std::int64_t sharedWritten_ = 0;  // contacts written to the shared file or its parts
  struct UidHash {
    std::size_t operator()(const ContactUid& uid) const { return uid.high ^ (uid.low * 31); }
  };
  std::unordered_set<ContactUid, UidHash> uidsGiven_;
  std::string distinctRecord_;
  ExportReport report_;
  std::unique_ptr<RecordsAheadFromKeptRows> ahead_;
  std::unique_ptr<ReadBackWorker> checking_;
  // Answers that keep changing are asked row by row again: each change starts the building
  // over from the sheet's first row.
  static constexpr int kMaxRestarts = 8;
  int restarts_ = 0;
};

}  // namespace

ExportReport exportContacts(source::SheetReader& sheet, const ExportJob& job,
                            ExportOptions& options, RecordSink& sink, ExportObserver& observer) {
  sheet.rewind();
  checkHeaderRow(sheet, job);
  return Run(sheet, job, options, sink, observer).run();
}

}  // namespace quillmere::core
