#include "source/ods/OdsRowParser.h"

#include <algorithm>
#include <cstring>

#include "source/CellReference.h"
#include "source/ods/OdsElements.h"
#include "source/ods/OdsNames.h"
#include "source/ods/OdsValues.h"
#include "source/xlsx/DecimalNumber.h"
#include "source/xlsx/XmlStream.h"

namespace quillmere::source::ods {

namespace {

using Kind = WorkbookError::Kind;

// Elements inside a cell whose text is none of the cell's: comments, notes, ruby annotations,
// drawings and tables drawn inside the cell.
bool isIgnored(std::string_view name) {
  static constexpr std::string_view kIgnored[] = {
      "annotation", "note",           "ruby-text", "frame",     "custom-shape",
      "rect",       "line",           "polyline",  "polygon",   "regular-polygon",
      "path",       "circle",         "ellipse",   "g",         "connector",
      "caption",    "measure",        "control",   "scene",     "table",
      "image",      "page-thumbnail", "object",    "detective", "cell-range-source"};
  return std::find(std::begin(kIgnored), std::end(kIgnored), name) != std::end(kIgnored);
}

std::string tooManyRows() {
  return "has a row with a value past row " + std::to_string(kMaxGridRows) +
         ", the last row a sheet can have.";
}

std::string_view trimmed(std::string_view text) {
  const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && space(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && space(text.back()))
    text.remove_suffix(1);
  return text;
}

}  // namespace

OdsRowParser::OdsRowParser(std::size_t table, const ReadLimits& limits)
    : table_(table), limits_(limits) {
  takeElements();
}

OdsRowParser::ValueType OdsRowParser::valueType(std::string_view text) {
  if (text == "string") return ValueType::String;
  if (text == "float") return ValueType::Float;
  if (text == "date") return ValueType::Date;
  if (text == "time") return ValueType::Time;
  if (text == "boolean") return ValueType::Boolean;
  if (text == "percentage") return ValueType::Percentage;
  if (text == "currency") return ValueType::Currency;
  return ValueType::Other;
}

void OdsRowParser::restart() {
  for (std::size_t i = 0; i < cellCount_; ++i)
    cells_[i] = StoredCell{};
  cellCount_ = 0;
  rowText_.clear();
  rowTextBytes_ = 0;
  rowNumber_ = repeats_ = 0;
  nextRow_ = rowRepeat_ = 1;
  column_ = 0;
  repeatedCells_ = 0;
  handedOn_ = replayUpTo_ = 0;
  depth_ = spreadsheetDepth_ = tableDepth_ = rowDepth_ = cellDepth_ = paragraphDepth_ = skipDepth_ =
      0;
  tablesSeen_ = 0;
  tableEnded_ = false;
  takenRows_ = oddRows_ = 0;
}

void OdsRowParser::beginReplay() {
  const std::uint32_t handedOn = handedOn_;
  restart();
  replayUpTo_ = handedOn;
}

std::uint32_t OdsRowParser::currentRow() const {
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(nextRow_, kMaxGridRows + 1));
}

std::string OdsRowParser::cellName() const {
  const auto column =
      static_cast<std::uint32_t>(std::min<std::uint64_t>(column_, kMaxGridColumns - 1));
  return columnLetters(column) + std::to_string(currentRow());
}

void OdsRowParser::failInRow(WorkbookError::Kind kind, std::string problem) {
  fail(kind, std::move(problem), currentRow());
}

void OdsRowParser::startElement(std::string_view name, const char** attributes) {
  ++depth_;
  if (skipDepth_ != 0 || tableEnded_) return;
  if (cellDepth_ != 0) {
    cellElement(name, attributes);
  } else if (rowDepth_ != 0) {
    if (name == "table-cell") {
      beginCell(attributes, false);
    } else if (name == "covered-table-cell") {
      beginCell(attributes, true);
    }
  } else if (tableDepth_ != 0) {
    // Rows may stand in header-row, row-group and rows elements: each is a row all the same.
    if (name == "table-row") beginRow(attributes);
  } else if (depth_ == 1) {
    if (name != "document-content" && name != "document") {
      failDamaged("its content.xml is not the content of an OpenDocument file (it starts with <" +
                  std::string(name) + ">).");
    }
  } else if (name == "spreadsheet") {
    spreadsheetDepth_ = depth_;
  } else if (name == "table" && spreadsheetDepth_ != 0 && depth_ == spreadsheetDepth_ + 1) {
    if (tablesSeen_++ == table_) tableDepth_ = depth_;
  }
}

void OdsRowParser::endElement(std::string_view) {
  if (skipDepth_ != 0) {
    if (depth_ == skipDepth_) skipDepth_ = 0;
  } else if (depth_ == paragraphDepth_) {
    paragraphDepth_ = 0;
  } else if (depth_ == cellDepth_) {
    finishCell();
  } else if (depth_ == rowDepth_) {
    finishRow();
  } else if (depth_ == tableDepth_) {
    tableDepth_ = 0;
    tableEnded_ = true;
    pause();
  } else if (depth_ == spreadsheetDepth_) {
    spreadsheetDepth_ = 0;
  }
  --depth_;
}

void OdsRowParser::text(std::string_view data) {
  if (paragraphDepth_ == 0 || skipDepth_ != 0 || !keepText_) return;
  paragraph_.appendText(rowText_, data);
  checkCellText();
}

void OdsRowParser::checkCellText() {
  if (rowText_.size() - textStart_ > limits_.maxCellTextBytes) {
    keepText_ = false;
    failInRow(Kind::LimitExceeded, "has a cell (" + cellName() + ") whose text is longer than " +
                                       std::to_string(limits_.maxCellTextBytes) +
                                       " bytes, the most Quillmere reads for one cell.");
  }
}

void OdsRowParser::appendKept(char c, std::uint64_t count) {
  if (!keepText_) return;
  // Checked before appending: a count can ask for more than any cell may hold.
  const std::uint64_t room = limits_.maxCellTextBytes - (rowText_.size() - textStart_);
  if (count > room) {
    paragraph_.appendKept(rowText_, c, static_cast<std::size_t>(room) + 1);
  } else {
    paragraph_.appendKept(rowText_, c, static_cast<std::size_t>(count));
  }
  checkCellText();
}

void OdsRowParser::beginRow(const char** attributes) {
  std::uint64_t repeat = 1;
  for (const char** a = attributes; *a != nullptr; a += 2) {
    if (withoutPrefix(a[0]) == "number-rows-repeated") repeat = repeatCount(a[1]);
  }
  resetRow(repeat);
  rowDepth_ = depth_;
}

void OdsRowParser::resetRow(std::uint64_t repeat) {
  for (std::size_t i = 0; i < cellCount_; ++i)
    cells_[i] = StoredCell{};
  cellCount_ = 0;
  rowText_.clear();
  rowTextBytes_ = 0;
  column_ = 0;
  rowRepeat_ = repeat;
}

void OdsRowParser::finishRow() {
  rowDepth_ = 0;
  if (failed()) return;
  const std::uint64_t first = nextRow_;
  nextRow_ += rowRepeat_;
  // Writers pad a sheet with empty rows to the end of the grid and beyond: they cost nothing.
  if (cellCount_ == 0) return;
  if (first > kMaxGridRows) {
    fail(Kind::LimitExceeded, tooManyRows());
    return;
  }
  rowNumber_ = static_cast<std::uint32_t>(first);
  repeats_ =
      static_cast<std::uint32_t>(std::min<std::uint64_t>(rowRepeat_, kMaxGridRows - first + 1));
  repeatedCells_ += std::uint64_t{repeats_ - 1} * cellCount_;
  if (repeatedCells_ > limits_.maxRepeatedCells) {
    fail(Kind::LimitExceeded, repeatsPastLimit(limits_.maxRepeatedCells), rowNumber_);
    return;
  }
  if (rowNumber_ > replayUpTo_) {
    handedOn_ = rowNumber_;
    pause();
  }
}

void OdsRowParser::beginCell(const char** attributes, bool covered) {
  cellDepth_ = depth_;
  covered_ = covered;
  attributes_.type = ValueType::None;
  attributes_.error = attributes_.hasStringValue = false;
  attributes_.repeat = 1;
  attributes_.value.clear();
  std::string_view value, dateValue, timeValue, booleanValue;
  for (const char** a = attributes; *a != nullptr; a += 2) {
    const std::string_view name = withoutPrefix(a[0]);
    if (name == "value-type") {
      // LibreOffice adds its own value type, which alone tells an error from a string.
      if (prefixOf(a[0]) == "calcext") {
        attributes_.error = std::string_view(a[1]) == "error";
      } else {
        attributes_.type = valueType(a[1]);
      }
    } else if (name == "number-columns-repeated") {
      attributes_.repeat = repeatCount(a[1]);
    } else if (name == "value") {
      value = a[1];
    } else if (name == "date-value") {
      dateValue = a[1];
    } else if (name == "time-value") {
      timeValue = a[1];
    } else if (name == "boolean-value") {
      booleanValue = a[1];
    } else if (name == "string-value") {
      attributes_.hasStringValue = true;
      attributes_.stringValue.assign(a[1]);
    }
  }
  switch (attributes_.type) {
    case ValueType::Float:
    case ValueType::Percentage:
    case ValueType::Currency:
      attributes_.value.assign(value);
      break;
    case ValueType::Date:
      attributes_.value.assign(dateValue);
      break;
    case ValueType::Time:
      attributes_.value.assign(timeValue);
      break;
    case ValueType::Boolean:
      attributes_.value.assign(booleanValue);
      break;
    default:
      break;
  }
  // A covered cell is empty whatever it holds, and a string-value stands for the paragraphs.
  keepText_ = !covered && !(attributes_.hasStringValue && attributes_.type == ValueType::String &&
                            !attributes_.error);
  textStart_ = rowText_.size();
  paragraph_.beginCell();
}

void OdsRowParser::cellElement(std::string_view name, const char** attributes) {
  if (paragraphDepth_ == 0) {
    if (name == "p" || name == "h") {
      paragraphDepth_ = depth_;
      if (keepText_) paragraph_.beginParagraph(rowText_);
    } else if (isIgnored(name)) {
      skipDepth_ = depth_;
    }
    return;
  }
  if (name == "s") {
    std::uint64_t count = 1;
    for (const char** a = attributes; *a != nullptr; a += 2) {
      if (withoutPrefix(a[0]) == "c") count = repeatCount(a[1]);
    }
    appendKept(' ', count);
  } else if (name == "tab") {
    appendKept('\t', 1);
  } else if (name == "line-break") {
    appendKept('\n', 1);
  } else if (isIgnored(name)) {
    skipDepth_ = depth_;
  }
}

OdsRowParser::StoredCell OdsRowParser::cellValue() {
  const std::size_t textLength = rowText_.size() - textStart_;
  const StoredCell asText{textLength == 0 ? CellKind::Empty : CellKind::Text, 0.0, textStart_,
                          textLength};
  if (covered_) return {};
  if (attributes_.error)
    return {textLength == 0 ? CellKind::Empty : CellKind::Error, 0.0, textStart_, textLength};
  std::optional<double> number;
  const std::string_view value = trimmed(attributes_.value);
  switch (attributes_.type) {
    case ValueType::String:
      if (attributes_.hasStringValue) {
        rowText_.append(attributes_.stringValue);
        return {attributes_.stringValue.empty() ? CellKind::Empty : CellKind::Text, 0.0, textStart_,
                attributes_.stringValue.size()};
      }
      return asText;
    case ValueType::Float:
    case ValueType::Percentage:
    case ValueType::Currency:
      number = xlsx::parseDecimal(value);
      break;
    case ValueType::Date:
      number = odsDateSerial(value);
      break;
    case ValueType::Time:
      number = odsDurationDays(value);
      break;
    case ValueType::Boolean:
      if (const auto truth = odsBoolean(value)) {
        rowText_.resize(textStart_);
        return {CellKind::Boolean, *truth ? 1.0 : 0.0, textStart_, 0};
      }
      return asText;
    case ValueType::None:
    case ValueType::Other:
      return asText;
  }
  // A value missing or unreadable leaves the text the cell shows, as its writer meant it.
  if (!number) return asText;
  return {CellKind::Number, *number, textStart_, textLength};
}

void OdsRowParser::finishCell() {
  cellDepth_ = paragraphDepth_ = 0;
  if (failed()) return;
  const StoredCell cell = cellValue();
  if (cell.kind == CellKind::Empty) {
    rowText_.resize(textStart_);
  } else {
    storeCell(cell);
  }
  column_ += attributes_.repeat;
}

void OdsRowParser::storeCell(const StoredCell& cell) {
  storeCell(cell.kind, cell.number, cell.offset, cell.length, cell.source);
}

void OdsRowParser::storeCell(CellKind kind, double number, std::size_t offset, std::size_t length,
                             const char* source) {
  if (column_ >= kMaxGridColumns) [[unlikely]] {
    failPastLastColumn();
    return;
  }
  // Repeats past the grid's last column are dropped, as nothing lies there.
  const auto count = static_cast<std::size_t>(
      std::min<std::uint64_t>(attributes_.repeat, kMaxGridColumns - column_));
  rowTextBytes_ += std::uint64_t{length} * count;
  repeatedCells_ += count - 1;
  if (rowTextBytes_ > limits_.maxRowTextBytes || repeatedCells_ > limits_.maxRepeatedCells)
      [[unlikely]] {
    failPastLimits();
    return;
  }
  const auto first = static_cast<std::size_t>(column_);
  if (first + count > cells_.size()) cells_.resize(first + count);
  // Field by field: a cell built whole and copied in waited on its own stores, at every cell.
  StoredCell& stored = cells_[first];
  stored.kind = kind;
  stored.number = number;
  stored.offset = offset;
  stored.length = length;
  stored.source = source;
  std::fill_n(cells_.begin() + static_cast<std::ptrdiff_t>(first + 1), count - 1, stored);
  cellCount_ = first + count;
}

void OdsRowParser::failPastLastColumn() {
  failInRow(Kind::LimitExceeded, "has a cell with a value in row " + std::to_string(currentRow()) +
                                     " past column XFD (column " + std::to_string(kMaxGridColumns) +
                                     "), the last column a sheet can have.");
}

void OdsRowParser::failPastLimits() {
  if (rowTextBytes_ > limits_.maxRowTextBytes) {
    failInRow(Kind::LimitExceeded, rowTextPastLimit(currentRow(), limits_.maxRowTextBytes));
  } else {
    failInRow(Kind::LimitExceeded, repeatsPastLimit(limits_.maxRepeatedCells));
  }
}

}  // namespace quillmere::source::ods
