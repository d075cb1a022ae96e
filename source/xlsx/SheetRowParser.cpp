#include "source/xlsx/SheetRowParser.h"

#include <charconv>

#include "source/CellReference.h"
#include "source/xlsx/CellElement.h"
#include "source/xlsx/DecimalNumber.h"
#include "source/xlsx/IsoDate.h"
#include "source/xlsx/TextEscapes.h"

namespace quillmere::source::xlsx {

namespace {

using Kind = WorkbookError::Kind;

enum class Parsed { Ok, Malformed, RowTooLarge };

// The s attribute, an index into the styles' cellXfs. One that is no number gets an index no
// table holds, which shows General: a style only changes how a number looks.
std::uint32_t parseStyle(const char* text) {
  constexpr std::uint32_t kNoStyle = 0xFFFFFFFF;
  if (*text == '\0') return kNoStyle;
  std::uint32_t style = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9' || style > (kNoStyle - 9) / 10) return kNoStyle;
    style = style * 10 + static_cast<std::uint32_t>(*p - '0');
  }
  return style;
}

Parsed parseRowNumber(const char* text, std::uint32_t& row) {
  if (*text == '\0') return Parsed::Malformed;
  row = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return Parsed::Malformed;
    row = row * 10 + static_cast<std::uint32_t>(*p - '0');
    if (row > kMaxGridRows) return Parsed::RowTooLarge;
  }
  return row == 0 ? Parsed::Malformed : Parsed::Ok;
}

// Attribute names of cells and rows are one or two letters, mostly without a prefix.
bool isAttribute(const char* name, char letter) {
  if (name[0] == letter && name[1] == '\0') return true;
  const std::string_view local = XmlHandler::withoutPrefix(name);
  return local.size() == 1 && local[0] == letter;
}

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string tooManyRows() {
  return "has a row past row " + std::to_string(kMaxGridRows) +
         ", the last row a worksheet can have.";
}

std::string tooManyColumns(std::uint32_t row) {
  return "has a cell in row " + std::to_string(row) + " past column XFD (column " +
         std::to_string(kMaxGridColumns) + "), the last column a worksheet can have.";
}

}  // namespace

bool SheetRowParser::cellType(const char* text, Type& type) {
  const std::string_view t = text;
  if (t == "s") {
    type = Type::SharedString;
  } else if (t == "n") {
    type = Type::Number;
  } else if (t == "str") {
    type = Type::FormulaString;
  } else if (t == "inlineStr") {
    type = Type::InlineString;
  } else if (t == "b") {
    type = Type::Boolean;
  } else if (t == "e") {
    type = Type::Error;
  } else if (t == "d") {
    type = Type::Date;
  } else {
    return false;
  }
  return true;
}

SheetRowParser::SheetRowParser(const XlsxSharedStrings& strings, const ReadLimits& limits,
                               bool date1904)
    : strings_(strings), limits_(limits), date1904_(date1904) {
  takeElements();
}

void SheetRowParser::restart() {
  for (std::size_t i = 0; i < cellCount_; ++i)
    cells_[i] = StoredCell{};
  cellCount_ = 0;
  pending_.clear();
  rowText_.clear();
  rowTextBytes_ = 0;
  rowNumber_ = 0;
  previousRow_ = 0;
  rowNumberKnown_ = false;
  handedOn_ = replayUpTo_ = 0;
  depth_ = 0;
  phoneticDepth_ = 0;
  inSheetData_ = inRow_ = inCell_ = inValue_ = inInline_ = inText_ = false;
}

void SheetRowParser::beginReplay() {
  const std::uint32_t handedOn = handedOn_;
  restart();
  replayUpTo_ = handedOn;
}

std::uint32_t SheetRowParser::currentRow() const {
  return rowNumberKnown_ ? rowNumber_ : previousRow_ + 1;
}

void SheetRowParser::failRowText() {
  failInRow(Kind::LimitExceeded, rowTextPastLimit(currentRow(), limits_.maxRowTextBytes));
}

void SheetRowParser::failInRow(WorkbookError::Kind kind, std::string problem) {
  fail(kind, std::move(problem), currentRow());
}

std::string SheetRowParser::cellName() const {
  return columnLetters(column_) + std::to_string(currentRow());
}

void SheetRowParser::startElement(std::string_view name, const char** attributes) {
  ++depth_;
  if (inCell_) {
    if (name == "v") {
      inValue_ = true;
      hasValue_ = true;
    } else if (name == "is") {
      inInline_ = true;
      hasInline_ = true;
    } else if (inInline_) {
      if (name == "rPh") {
        ++phoneticDepth_;
      } else if (name == "t" && phoneticDepth_ == 0) {
        inText_ = true;
      }
    }
  } else if (inRow_) {
    if (name == "c") beginCell(attributes);
  } else if (inSheetData_) {
    if (name == "row") {
      beginRow(attributes);
    } else if (name == "c") {
      failDamaged("its worksheet has a cell outside of any row.");
    }
  } else if (depth_ == 1) {
    if (name != "worksheet") {
      failDamaged("its first sheet is not a worksheet (it starts with <" + std::string(name) +
                  ">).");
    }
  } else if (depth_ == 2 && name == "sheetData") {
    inSheetData_ = true;
  }
}

void SheetRowParser::endElement(std::string_view name) {
  --depth_;
  if (inCell_) {
    if (name == "v") {
      inValue_ = false;
    } else if (name == "t") {
      inText_ = false;
    } else if (name == "rPh") {
      if (phoneticDepth_ > 0) --phoneticDepth_;
    } else if (name == "is") {
      inInline_ = false;
    } else if (name == "c") {
      finishCell();
    }
  } else if (inRow_) {
    if (name == "row") finishRow();
  } else if (inSheetData_ && name == "sheetData") {
    inSheetData_ = false;
  }
}

void SheetRowParser::text(std::string_view data) {
  if (inValue_) {
    if (value_.size() + data.size() > limits_.maxCellTextBytes) {
      failInRow(Kind::LimitExceeded, "has a cell (" + cellName() + ") whose value is longer than " +
                                         std::to_string(limits_.maxCellTextBytes) +
                                         " bytes, the most Quillmere reads for one cell.");
      return;
    }
    value_.append(data);
  } else if (inText_) {
    const std::size_t cellBytes = rowText_.size() - textStart_ + data.size();
    if (rowTextBytes_ + cellBytes > limits_.maxRowTextBytes) {
      failRowText();
      return;
    }
    if (cellBytes > limits_.maxCellTextBytes) {
      failInRow(Kind::LimitExceeded, "has a cell (" + cellName() + ") whose text is longer than " +
                                         std::to_string(limits_.maxCellTextBytes) +
                                         " bytes, the most Quillmere reads for one cell.");
      return;
    }
    rowText_.append(data);
  }
}

void SheetRowParser::beginRow(const char** attributes) {
  for (std::size_t i = 0; i < cellCount_; ++i)
    cells_[i] = StoredCell{};
  cellCount_ = 0;
  pending_.clear();
  rowText_.clear();
  rowTextBytes_ = 0;
  nextColumn_ = 0;
  rowNumberKnown_ = false;
  inRow_ = true;
  for (const char** a = attributes; *a != nullptr; a += 2) {
    if (!isAttribute(a[0], 'r')) continue;
    switch (parseRowNumber(a[1], rowNumber_)) {
      case Parsed::Ok:
        rowNumberKnown_ = true;
        break;
      case Parsed::Malformed:
        failDamaged("its worksheet has a row numbered \"" + std::string(a[1]) +
                    "\", which is no row number.");
        break;
      case Parsed::RowTooLarge:
        fail(Kind::LimitExceeded, tooManyRows());
        break;
    }
  }
}

void SheetRowParser::beginCell(const char** attributes) {
  inCell_ = true;
  hasValue_ = hasInline_ = false;
  value_.clear();
  textStart_ = rowText_.size();
  type_ = Type::Number;
  style_ = 0;
  bool positioned = false;
  for (const char** a = attributes; *a != nullptr; a += 2) {
    if (isAttribute(a[0], 'r')) {
      // The row may be left out of a cell's reference; the row element then gives it.
      const ScannedReference reference = scanCellReference(a[1]);
      switch (reference.status) {
        case ScannedReference::Status::Ok:
          positioned = true;
          column_ = reference.position.column;
          if (!rowNumberKnown_ && reference.position.row != 0) {
            rowNumber_ = reference.position.row;
            rowNumberKnown_ = true;
          }
          break;
        case ScannedReference::Status::Malformed:
          failDamaged("its worksheet has a cell at \"" + std::string(a[1]) +
                          "\", which is no cell reference.",
                      currentRow());
          return;
        case ScannedReference::Status::RowTooLarge:
          fail(Kind::LimitExceeded, tooManyRows());
          return;
        case ScannedReference::Status::ColumnTooLarge:
          failInRow(Kind::LimitExceeded, tooManyColumns(currentRow()));
          return;
      }
    } else if (isAttribute(a[0], 't')) {
      if (!cellType(a[1], type_)) {
        failDamaged("its worksheet has a cell of unknown type \"" + std::string(a[1]) + "\".",
                    currentRow());
        return;
      }
    } else if (isAttribute(a[0], 's')) {
      style_ = parseStyle(a[1]);
    }
  }
  if (!positioned) {
    if (nextColumn_ >= kMaxGridColumns) {
      failInRow(Kind::LimitExceeded, tooManyColumns(currentRow()));
      return;
    }
    column_ = nextColumn_;
  }
  nextColumn_ = column_ + 1;
}

std::size_t SheetRowParser::takeElement(char* begin, const char* end) {
  if (!inRow_ || inCell_ || failed()) return 0;
  const CellElement element = readCellElement(begin, end);
  if (element.bytes == 0) return 0;
  const bool shared = element.type == CellElement::Type::SharedString;
  double number = 0.0;
  if (shared && !element.value.empty()) {
    // A string the table lacks, or a number that is none, is refused by the events' path.
    if (!strings_.has(element.index, whileWaiting_)) return 0;
    strings_.prefetch(element.index);
  } else if (!element.value.empty()) {
    const auto parsed = parseDecimal(element.value);
    if (!parsed) return 0;
    number = *parsed;
  }
  // What beginCell() and finishCell() leave behind for such a cell.
  column_ = element.column;
  nextColumn_ = column_ + 1;
  if (!rowNumberKnown_) {
    rowNumber_ = element.row;
    rowNumberKnown_ = true;
  }
  style_ = element.style;
  if (element.value.empty()) return element.bytes;
  // Written in place, field by field: a whole cell built aside and copied in stalled on
  // reading back the bytes just written.
  StoredCell& cell = slot();
  cell.kind = shared ? CellKind::Text : CellKind::Number;
  cell.number = number;
  cell.shared = {};
  cell.offset = cell.length = 0;
  cell.style = style_;
  cell.pending = shared;
  if (shared) pending_.push_back({column_, element.index});
  return element.bytes;
}

SheetRowParser::StoredCell& SheetRowParser::slot() {
  if (column_ >= cells_.size()) cells_.resize(column_ + 1);
  if (column_ >= cellCount_) cellCount_ = column_ + 1;
  return cells_[column_];
}

void SheetRowParser::store(StoredCell cell) {
  if (cell.kind == CellKind::Text || cell.kind == CellKind::Error) {
    rowTextBytes_ += cell.shared.data() != nullptr ? cell.shared.size() : cell.length;
    if (rowTextBytes_ > limits_.maxRowTextBytes) {
      failRowText();
      return;
    }
  }
  cell.style = style_;
  slot() = cell;
}

void SheetRowParser::storeValueText(CellKind kind, std::string_view value, bool unescape) {
  rowText_.resize(textStart_);
  rowText_.append(value);
  if (unescape) decodeEscapes(rowText_, textStart_);
  store({kind, 0.0, {}, textStart_, rowText_.size() - textStart_});
  keptText_ = true;
}

void SheetRowParser::finishCell() {
  inCell_ = inValue_ = inInline_ = inText_ = false;
  phoneticDepth_ = 0;
  keptText_ = false;
  if (!failed()) storeCell();
  // A cell that kept no text gives back what stray runs left in the buffer.
  if (!keptText_) rowText_.resize(textStart_);
}

void SheetRowParser::storeCell() {
  const std::string_view value = trimmed(value_);
  switch (type_) {
    case Type::InlineString:
      if (hasInline_) {
        decodeEscapes(rowText_, textStart_);
        store({CellKind::Text, 0.0, {}, textStart_, rowText_.size() - textStart_});
        keptText_ = true;
      } else if (hasValue_) {
        storeValueText(CellKind::Text, value_, true);
      }
      return;
    case Type::FormulaString:
      if (hasValue_) storeValueText(CellKind::Text, value_, true);
      return;
    case Type::Error:
      if (!value.empty()) storeValueText(CellKind::Error, value, false);
      return;
    case Type::SharedString: {
      if (value.empty()) return;
      std::size_t index = 0;
      const auto result = std::from_chars(value.data(), value.data() + value.size(), index);
      if (result.ec != std::errc{} || result.ptr != value.data() + value.size()) {
        failDamaged("cell " + cellName() + " refers to shared string \"" + std::string(value) +
                        "\", which is no string number.",
                    currentRow());
      } else if (const auto text = strings_.find(index, whileWaiting_)) {
        store({CellKind::Text, 0.0, *text, 0, 0});
      } else {
        failDamaged("cell " + cellName() + " refers to shared string " + std::to_string(index) +
                        ", but the workbook has only " + std::to_string(strings_.size()) + ".",
                    currentRow());
      }
      return;
    }
    case Type::Number: {
      if (value.empty()) return;
      const auto number = parseDecimal(value);
      if (!number) {
        failDamaged(
            "cell " + cellName() + " holds \"" + std::string(value) + "\" where a number belongs.",
            currentRow());
        return;
      }
      store({CellKind::Number, *number, {}, 0, 0});
      return;
    }
    case Type::Boolean:
      if (value.empty()) return;
      if (value == "1" || value == "true" || value == "TRUE") {
        store({CellKind::Boolean, 1.0, {}, 0, 0});
      } else if (value == "0" || value == "false" || value == "FALSE") {
        store({CellKind::Boolean, 0.0, {}, 0, 0});
      } else {
        failDamaged("cell " + cellName() + " holds \"" + std::string(value) +
                        "\" where TRUE or FALSE belongs.",
                    currentRow());
      }
      return;
    case Type::Date: {
      if (value.empty()) return;
      const auto serial = isoDateSerial(value, date1904_);
      if (!serial) {
        failInRow(Kind::Corrupt,
                  "has a damaged cell: " + cellName() + " is marked as a date but holds \"" +
                      std::string(value) +
                      "\", which is neither a date, a time nor a date and time. Correct "
                      "that cell in your spreadsheet program and save the file again.");
      } else {
        store({CellKind::Number, *serial, {}, 0, 0});
      }
      return;
    }
  }
}

void SheetRowParser::resolvePending() {
  // From the last: where two cells name one column, the later one's string is the cell's.
  for (auto it = pending_.rbegin(); it != pending_.rend(); ++it) {
    const std::string_view text = strings_.at(it->index);
    rowTextBytes_ += text.size();
    StoredCell& cell = cells_[it->column];
    if (cell.pending) {
      cell.shared = text;
      cell.pending = false;
    }
  }
  pending_.clear();
  if (rowTextBytes_ > limits_.maxRowTextBytes) failRowText();
}

void SheetRowParser::finishRow() {
  inRow_ = false;
  if (failed()) return;
  if (!pending_.empty()) {
    resolvePending();
    if (failed()) return;
  }
  if (!rowNumberKnown_) {
    if (previousRow_ >= kMaxGridRows) {
      fail(Kind::LimitExceeded, tooManyRows());
      return;
    }
    rowNumber_ = previousRow_ + 1;
    rowNumberKnown_ = true;
  } else if (rowNumber_ <= previousRow_) {
    failDamaged("its worksheet lists row " + std::to_string(rowNumber_) + " after row " +
                    std::to_string(previousRow_) + "; rows must come in order.",
                rowNumber_);
    return;
  }
  previousRow_ = rowNumber_;
  if (cellCount_ > 0 && rowNumber_ > replayUpTo_) {
    handedOn_ = rowNumber_;
    pause();
  }
}

}  // namespace quillmere::source::xlsx
