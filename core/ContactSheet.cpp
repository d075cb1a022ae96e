#include "core/ContactSheet.h"

#include <system_error>
#include <utility>

#include "source/load/HeaderRowGuess.h"

namespace quillmere::core {

namespace {

// The sheet's rows for a conversion or a card preview: a workbook's read ahead on a thread
// of their own into `ahead`, so its parsing goes on while records are built; a text file's
// cost less to parse than to hand over to another core, so they are read where they are used.
source::SheetReader& rowsOf(source::Workbook& workbook, std::unique_ptr<source::RowsAhead>& ahead) {
  if (workbook.readAsText()) {
    workbook.sheet().rewind();
    return workbook.sheet();
  }
  ahead = std::make_unique<source::RowsAhead>(workbook.sheet());
  return *ahead;
}

}  // namespace

SheetRows::SheetRows(SheetRows&& other) noexcept
    : opened_(std::move(other.opened_)),
      kept_(std::move(other.kept_)),
      ahead_(std::move(other.ahead_)),
      reader_(std::exchange(other.reader_, nullptr)),
      lent_(std::exchange(other.lent_, nullptr)) {}

SheetRows::~SheetRows() {
  // The reading thread lets go of the workbook's cursor before it is free again.
  ahead_.reset();
  if (lent_ != nullptr) *lent_ = false;
}

ContactSheet::ContactSheet(std::filesystem::path path, const source::LoadOptions& options)
    : path_(std::move(path)), options_(options) {}

ContactSheet::~ContactSheet() = default;

ContactSheet::FileStamp ContactSheet::stampOf(const std::filesystem::path& path) {
  FileStamp stamp;
  std::error_code error;
  stamp.size = std::filesystem::file_size(path, error);
  if (error) return {};
  stamp.changed = std::filesystem::last_write_time(path, error);
  if (error) return {};
  stamp.exists = true;
  return stamp;
}

std::unique_ptr<ContactSheet> ContactSheet::load(const std::filesystem::path& workbook,
                                                 source::LoadObserver& observer,
                                                 source::LoadOptions options,
                                                 std::size_t keptRowsBudget) {
  options.keptRowsBudget = keptRowsBudget;
  std::unique_ptr<ContactSheet> sheet(new ContactSheet(workbook, options));
  // Taken before reading, so a change made during the load counts as a change.
  sheet->stamp_ = stampOf(workbook);
  sheet->open();
  // Only a user who kept the headers in row 1 needs to hear of a title above them.
  if (options.headerRow == 1) {
    const source::ObservedWaits observedWaits(sheet->workbook_->sheet(), observer);
    sheet->suggestedHeaderRow_ = source::suggestHeaderRow(sheet->workbook_->sheet());
  }
  // Read where the rows are kept: a thread reading ahead made the window's load slower.
  auto loaded = source::extractSheetData(sheet->workbook_->sheet(), observer, options);
  if (!loaded) return nullptr;
  sheet->table_ = std::move(loaded->table);
  sheet->nameTable();
  sheet->preview_ = std::move(loaded->preview);
  sheet->kept_ = std::move(loaded->rows);
  return sheet;
}

std::unique_ptr<ContactSheet> ContactSheet::openHeaderRow(const std::filesystem::path& workbook,
                                                          const source::LoadOptions& options) {
  std::unique_ptr<ContactSheet> sheet(new ContactSheet(workbook, options));
  sheet->stamp_ = stampOf(workbook);
  sheet->open();
  source::SheetReader& reader = sheet->workbook_->sheet();
  if (source::seekRow(reader, options.headerRow)) {
    sheet->table_.headers = source::scanHeaders(reader, options.decimalSeparator);
  }
  sheet->table_.headerRow = options.headerRow;
  sheet->nameTable();
  sheet->kept_.abandon();
  return sheet;
}

void ContactSheet::open() {
  workbook_ = source::openWorkbook(path_, options_.limits, options_.sheet);
  // The same sheet by its place when the file is opened again, whatever was asked first.
  options_.sheet = workbook_->sheetIndex();
}

void ContactSheet::nameTable() {
  table_.workbook = path_;
  table_.sheet = workbook_->sheetIndex();
  table_.sheetName = workbook_->sheets()[table_.sheet].name;
}

bool ContactSheet::headerRowOnDiskUnchanged() {
  // Only a reader the sheet lent out could hold the cursor, and none is lent while rows are
  // kept; trusting the stamp then is the cautious choice that still converts.
  if (lent_) return true;
  source::SheetReader& reader = workbook_->sheet();
  reader.rewind();
  const bool same =
      source::seekRow(reader, table_.headerRow) &&
      source::scanHeadersOf(reader, options_.decimalSeparator, table_) == table_.headers;
  reader.rewind();
  return same;
}

SheetRows ContactSheet::lendOwnCursor() {
  SheetRows rows;
  rows.reader_ = &rowsOf(*workbook_, rows.ahead_);
  rows.lent_ = &lent_;
  lent_ = true;
  return rows;
}

SheetRows ContactSheet::readRows() {
  if (stampOf(path_) == stamp_ && stamp_.exists) {
    if (rowsKept() && headerRowOnDiskUnchanged()) {
      SheetRows rows;
      source::SheetReader& own = workbook_->sheet();
      rows.kept_ =
          std::make_unique<source::KeptRowsReader>(kept_, own.cellFormats(), own.gridRows());
      rows.reader_ = rows.kept_.get();
      return rows;
    }
    if (!lent_) return lendOwnCursor();
  }
  SheetRows rows;
  rows.opened_ = source::openWorkbook(path_, options_.limits, options_.sheet);
  rows.reader_ = &rowsOf(*rows.opened_, rows.ahead_);
  return rows;
}

}  // namespace quillmere::core
