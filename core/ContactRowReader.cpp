#include "core/ContactRowReader.h"

#include <algorithm>

#include "source/CellTextForm.h"
#include "source/DisplayedText.h"
#include "source/load/RowEmptiness.h"
#include "source/load/SheetLoader.h"

namespace quillmere::core {

namespace {

bool isEmailField(Field field) {
  return field == Field::EmailAddress || field == Field::EmailAddress2 ||
         field == Field::EmailAddress3;
}

bool onlySpaces(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

bool nextDataRow(source::SheetReader& sheet, const source::SheetTable& table) {
  while (sheet.nextRow()) {
    const std::uint32_t row = sheet.rowNumber();
    if (row > table.lastCountedRow) return false;
    if (row >= 2 && !source::isEmptyRow(sheet, table.headers.size())) return true;
  }
  return false;
}

bool DataRowWalk::next(source::SheetReader& sheet) {
  if (job_.rowsCounted) return nextDataRow(sheet, job_.table);
  const std::size_t headerCount = job_.table.headers.size();
  while (sheet.nextRow()) {
    const std::uint32_t row = sheet.rowNumber();
    if (row < 2) continue;
    // Rows the file does not store are empty.
    emptyRun_ += row - previousRow_ - 1;
    previousRow_ = row;
    if (emptyRun_ >= source::kEmptyRowsEndingData) return false;
    if (!source::isEmptyRow(sheet, headerCount)) {
      emptyRun_ = 0;
      return true;
    }
    if (++emptyRun_ >= source::kEmptyRowsEndingData) return false;
  }
  return false;
}

ContactRowReader::ContactRowReader(const ExportJob& job)
    : fieldOf_(job.table.headers.size()), decimalSeparator_(job.decimalSeparator) {
  // Later columns overwrite earlier ones, so column order decides between fields mapped alike.
  for (const MappedColumn& mapped : job.columns) {
    if (mapped.column < fieldOf_.size()) fieldOf_[mapped.column] = mapped.field;
  }
}

bool ContactRowReader::read(const source::SheetReader& sheet, ExportOptions& options,
                            ContactValues& values) {
  values.clear();
  asShown_ = options.keepNumbersAsShown();
  const source::CellFormats* shown = asShown_ ? &sheet.cellFormats() : nullptr;
  const std::size_t columns = std::min(fieldOf_.size(), sheet.cellCount());
  for (std::size_t column = 0; column < columns; ++column) {
    const std::optional<Field> field = fieldOf_[column];
    // The job title comes only from JobTitle; the honorific field feeds no line.
    if (!field || *field == Field::Title) continue;
    const source::CellValue cell = sheet.cell(column);
    // An error value of the sheet is not a contact's detail.
    if (source::isEmptyCell(cell) || cell.kind == source::CellKind::Error) continue;
    text_.clear();
    if (shown != nullptr) {
      source::appendDisplayedText(text_, cell, *shown, decimalSeparator_);
    } else {
      source::appendTextForm(text_, cell, decimalSeparator_);
    }
    if (isEmailField(*field) && onlySpaces(text_) && !options.allowEmptyEmail()) return true;
    values[*field] = text_;
  }
  return false;
}

}  // namespace quillmere::core
