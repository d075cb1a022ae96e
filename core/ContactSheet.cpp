#include "core/ContactSheet.h"

#include <system_error>
#include <utility>

namespace quillmere::core {

SheetRows::SheetRows(SheetRows&& other) noexcept
    : opened_(std::move(other.opened_)),
      kept_(std::move(other.kept_)),
      reader_(std::exchange(other.reader_, nullptr)),
      lent_(std::exchange(other.lent_, nullptr)) {}

SheetRows::~SheetRows() {
  if (lent_ != nullptr) *lent_ = false;
}

ContactSheet::ContactSheet(std::filesystem::path path, char decimalSeparator,
                           source::ReadLimits limits)
    : path_(std::move(path)), decimalSeparator_(decimalSeparator), limits_(limits) {}

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
  std::unique_ptr<ContactSheet> sheet(
      new ContactSheet(workbook, options.decimalSeparator, options.limits));
  // Taken before reading, so a change made during the load counts as a change.
  sheet->stamp_ = stampOf(workbook);
  sheet->workbook_ = source::openWorkbook(workbook, options.limits);
  options.keptRowsBudget = keptRowsBudget;
  auto loaded = source::extractSheetData(sheet->workbook_->firstSheet(), observer, options);
  if (!loaded) return nullptr;
  sheet->table_ = std::move(loaded->table);
  sheet->table_.workbook = workbook;
  sheet->preview_ = std::move(loaded->preview);
  sheet->kept_ = std::move(loaded->rows);
  return sheet;
}

std::unique_ptr<ContactSheet> ContactSheet::openHeaderRow(const std::filesystem::path& workbook,
                                                          char decimalSeparator,
                                                          const source::ReadLimits& limits) {
  std::unique_ptr<ContactSheet> sheet(new ContactSheet(workbook, decimalSeparator, limits));
  sheet->stamp_ = stampOf(workbook);
  sheet->workbook_ = source::openWorkbook(workbook, limits);
  source::SheetReader& reader = sheet->workbook_->firstSheet();
  if (reader.nextRow()) sheet->table_.headers = source::scanHeaders(reader, decimalSeparator);
  sheet->table_.workbook = workbook;
  sheet->kept_.abandon();
  return sheet;
}

bool ContactSheet::headerRowOnDiskUnchanged() {
  // Only a reader the sheet lent out could hold the cursor, and none is lent while rows are
  // kept; trusting the stamp then is the cautious choice that still converts.
  if (lent_) return true;
  source::SheetReader& reader = workbook_->firstSheet();
  reader.rewind();
  const bool same = reader.nextRow() && reader.rowNumber() == 1 &&
                    source::scanHeaders(reader, decimalSeparator_) == table_.headers;
  reader.rewind();
  return same;
}

SheetRows ContactSheet::lendOwnCursor() {
  SheetRows rows;
  source::SheetReader& reader = workbook_->firstSheet();
  reader.rewind();
  rows.reader_ = &reader;
  rows.lent_ = &lent_;
  lent_ = true;
  return rows;
}

SheetRows ContactSheet::readRows() {
  if (stampOf(path_) == stamp_ && stamp_.exists) {
    if (rowsKept() && headerRowOnDiskUnchanged()) {
      SheetRows rows;
      source::SheetReader& own = workbook_->firstSheet();
      rows.kept_ =
          std::make_unique<source::KeptRowsReader>(kept_, own.cellFormats(), own.gridRows());
      rows.reader_ = rows.kept_.get();
      return rows;
    }
    if (!lent_) return lendOwnCursor();
  }
  SheetRows rows;
  rows.opened_ = source::openWorkbook(path_, limits_);
  rows.reader_ = &rows.opened_->firstSheet();
  return rows;
}

}  // namespace quillmere::core
