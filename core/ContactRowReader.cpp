#include "core/ContactRowReader.h"

#include <algorithm>

#include "core/SeveralValues.h"
#include "source/CellTextForm.h"
#include "source/DisplayedText.h"
#include "source/load/RowEmptiness.h"

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

ContactRowReader::ContactRowReader(const ExportJob& job)
    : fieldOf_(job.table.headers.size()), decimalSeparator_(job.decimalSeparator) {
  // Later columns overwrite earlier ones, so column order decides between fields mapped alike.
  for (const ColumnPair& pair : job.columns) {
    if (pair.header.column < fieldOf_.size()) fieldOf_[pair.header.column] = pair.field;
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
  spreadSeveralValues(values);
  return false;
}

}  // namespace quillmere::core
