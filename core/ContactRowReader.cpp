#include "core/ContactRowReader.h"

#include <algorithm>

#include "core/ContactDate.h"
#include "core/HeaderMeaning.h"
#include "core/PhoneNumbers.h"
#include "core/SeveralValues.h"
#include "core/WrittenDate.h"
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

bool isDateField(Field field) {
  return field == Field::Birthday || field == Field::Anniversary;
}

// A number is a day of the workbook's date system, whatever format shows it; a text is read
// in the forms address books write, "0/0/00" as no date at all, but only as ISO in a column
// written so.
void readDate(const source::CellValue& cell, bool date1904, DayOrder order, bool isoOnly,
              Field field, std::uint32_t column, ContactValues& values) {
  std::optional<ContactDate> date;
  if (cell.kind == source::CellKind::Number) {
    date = dateFromSerial(cell.number, date1904);
  } else if (cell.kind == source::CellKind::Text && isoOnly) {
    date = dateFromIsoText(cell.text);
  } else if (cell.kind == source::CellKind::Text) {
    const WrittenDate written = readWrittenDate(cell.text, order);
    if (written.kind == WrittenDate::Kind::NoDate) return;
    if (written.kind == WrittenDate::Kind::Date) date = written.date;
  }
  if (date) {
    values[field] = isoText(*date);
  } else {
    values.note({ValueNote::Kind::NotADate, field, column, source::textForm(cell), {}, {}});
  }
}

// Each of the cell's numbers (Google's " ::: " may join several) in international form, or
// as it stands and noted when libphonenumber cannot read it.
void writeInternational(std::string& text, const std::string& country, Field field,
                        std::uint32_t column, ContactValues& values) {
  std::string written;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = text.find(kValueSeparator, from);
    const std::string_view part = std::string_view(text).substr(from, at - from);
    if (!onlySpaces(part)) {
      if (const auto international = internationalPhoneNumber(part, country)) {
        written += *international;
      } else {
        written += part;
        values.note(
            {ValueNote::Kind::NotAPhoneNumber, field, column, std::string(part), country, {}});
      }
    } else {
      written += part;
    }
    if (at == std::string::npos) break;
    written += kValueSeparator;
    from = at + kValueSeparator.size();
  }
  text = std::move(written);
}

}  // namespace

ContactRowReader::ContactRowReader(const ExportJob& job)
    : fieldOf_(job.table.headers.size()),
      dateColumns_(job.dateColumns),
      decimalSeparator_(job.decimalSeparator) {
  // Later columns overwrite earlier ones, so column order decides between fields mapped alike.
  for (const ColumnPair& pair : job.columns) {
    if (pair.header.column < fieldOf_.size()) fieldOf_[pair.header.column] = pair.field;
  }
  findTypeColumns(job);
}

void ContactRowReader::findTypeColumns(const ExportJob& job) {
  const auto& headers = job.table.headers;
  std::vector<HeaderMeaning> meanings;
  for (const ColumnPair& pair : job.columns) {
    // The table's header is the column's, whatever text the pair was made with.
    const auto own = std::lower_bound(
        headers.begin(), headers.end(), pair.header.column,
        [](const HeaderColumn& header, std::uint32_t column) { return header.column < column; });
    if (own == headers.end() || own->column != pair.header.column) continue;
    const HeaderMeaning meaning = headerMeaning(own->text);
    const bool phone = meaning.kind == HeaderMeaning::Kind::TypedPhone && isPhoneField(pair.field);
    const bool address =
        meaning.kind == HeaderMeaning::Kind::TypedAddress && addressPartOf(pair.field).has_value();
    if (!phone && !address) continue;
    // A group's Type column, read for every row rather than once for the whole column.
    if (meanings.empty()) {
      for (const HeaderColumn& header : headers)
        meanings.push_back(headerMeaning(header.text));
    }
    for (std::size_t i = 0; i < headers.size(); ++i) {
      const HeaderMeaning& type = meanings[i];
      if (type.kind != HeaderMeaning::Kind::TypeColumn || type.group != meaning.group ||
          type.groupOfAddresses != address) {
        continue;
      }
      if (typedBy_.size() <= pair.header.column) typedBy_.resize(pair.header.column + 1);
      typedBy_[pair.header.column] = TypedColumn{headers[i].column, address};
      break;
    }
  }
}

bool ContactRowReader::read(const source::SheetReader& sheet, ExportOptions& options,
                            ContactValues& values) {
  const bool dropped = readCells(sheet, options, values, phones_);
  finishRow(phones_, country_, moreFields_, dropped, values);
  return dropped;
}

bool ContactRowReader::readCells(const source::SheetReader& sheet, ExportOptions& options,
                                 ContactValues& values, std::vector<PhoneCell>& phones) {
  values.clear();
  phones.clear();
  asShown_ = options.keepNumbersAsShown();
  moreFields_ = options.moreFields();
  country_ = options.phoneCountry();
  const DayOrder desktopOrder = moreFields_ ? options.dayOrder() : DayOrder::MonthFirst;
  const bool moreFields = moreFields_;
  const source::CellFormats& formats = sheet.cellFormats();
  const std::size_t columns = std::min(fieldOf_.size(), sheet.cellCount());
  for (std::size_t column = 0; column < columns; ++column) {
    const std::optional<Field> field = fieldOf_[column];
    // The job title comes only from JobTitle; the honorific is read for the forms that write
    // it as the name's prefix.
    if (!field || (isMoreField(*field) && !moreFields)) continue;
    const source::CellValue cell = sheet.cell(column);
    // An error value of the sheet is not a contact's detail.
    if (source::isEmptyCell(cell) || cell.kind == source::CellKind::Error) continue;
    const auto at = static_cast<std::uint32_t>(column);
    if (column < typedBy_.size() && typedBy_[column]) {
      readTyped(sheet, *typedBy_[column], *field, at, options, values, phones);
      continue;
    }
    if (isDateField(*field)) {
      const DateColumn dates = column < dateColumns_.size() ? dateColumns_[column] : DateColumn{};
      readDate(cell, formats.date1904(), dates.order.value_or(desktopOrder), dates.iso, *field, at,
               values);
      continue;
    }
    if (readValue(cell, formats, *field, at, false, options, values, phones)) return true;
  }
  return false;
}

bool ContactRowReader::readValue(const source::CellValue& cell, const source::CellFormats& formats,
                                 Field field, std::uint32_t at, bool besideEarlier,
                                 ExportOptions& options, ContactValues& values,
                                 std::vector<PhoneCell>& phones) {
  const bool phone = !country_.empty() && isPhoneField(field);
  // Written in place: one copy of the cell's text per row, not two.
  std::string& text = values[field];
  if (phone) {
    // An earlier column's number about to be overwritten is still read, for its note.
    const auto earlier = std::find_if(phones.begin(), phones.end(),
                                      [&](const PhoneCell& p) { return p.field == field; });
    if (earlier != phones.end()) {
      writeInternational(text, country_, earlier->field, earlier->column, values);
      phones.erase(earlier);
    }
  }
  // A value a type sent to a field an earlier column filled goes beside it, as Google joins
  // values, and finds the next free field of its kind.
  if (besideEarlier && !text.empty()) {
    text += kValueSeparator;
  } else {
    text.clear();
  }
  // A phone stored as a number has lost its leading zero; only its format still shows it.
  if (asShown_ || phone) {
    source::appendDisplayedText(text, cell, formats, decimalSeparator_);
  } else {
    source::appendTextForm(text, cell, decimalSeparator_);
  }
  if (isEmailField(field) && onlySpaces(text) && !options.allowEmptyEmail()) {
    // A dropped row's values end before its e-mail cell, as they always have.
    text.clear();
    return true;
  }
  if (phone) phones.push_back({field, at});
  return false;
}

void ContactRowReader::readTyped(const source::SheetReader& sheet, const TypedColumn& typed,
                                 Field paired, std::uint32_t at, ExportOptions& options,
                                 ContactValues& values, std::vector<PhoneCell>& phones) {
  Field field = paired;
  const source::CellValue type =
      typed.typeColumn < sheet.cellCount() ? sheet.cell(typed.typeColumn) : source::CellValue{};
  if (type.kind == source::CellKind::Text) {
    const TypeValue value = readTypeValue(type.text);
    if (typed.address) {
      if (value.qualifier != Qualifier::None && !value.other) {
        field = addressField(value.qualifier, *addressPartOf(paired));
      }
    } else {
      field = phoneFieldOfType(value, moreFields_).value_or(paired);
    }
  }
  readValue(sheet.cell(at), sheet.cellFormats(), field, at, true, options, values, phones);
}

void ContactRowReader::finishRow(const std::vector<PhoneCell>& phones, const std::string& country,
                                 bool moreFields, bool dropped, ContactValues& values) {
  if (!phones.empty()) {
    const bool notedBefore = !values.notes().empty();
    for (const PhoneCell& phone : phones)
      writeInternational(values[phone.field], country, phone.field, phone.column, values);
    // The report lists a row's notes in column order, dates and numbers alike.
    if (notedBefore) values.sortNotesByColumn();
  }
  if (!dropped) spreadSeveralValues(values, moreFields);
}

}  // namespace quillmere::core
