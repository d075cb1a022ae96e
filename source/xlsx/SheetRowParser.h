#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "source/CellValue.h"
#include "source/ReadLimits.h"
#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::xlsx {

// Builds one worksheet row at a time from the events of the sheet part and pauses the parse
// when a row with a value is complete. The row's cells and text buffers are reused from row
// to row, so a long sheet reads without allocating per cell.
class SheetRowParser : public XmlHandler {
 public:
  SheetRowParser(const XlsxSharedStrings& strings, const ReadLimits& limits, bool date1904);

  // Back to before the first row, for a new pass over the part.
  void restart();

  // Run while a cell waits for its shared string; see SheetReader::setWhileWaiting.
  void setWhileWaiting(std::function<void()> work) { whileWaiting_ = std::move(work); }
  const std::function<void()>& whileWaiting() const { return whileWaiting_; }

  std::uint32_t rowNumber() const { return rowNumber_; }
  std::size_t cellCount() const { return cellCount_; }
  // Asked for every cell of every row, so it is here, where callers can inline it.
  CellValue cell(std::size_t column) const {
    if (column >= cellCount_) return CellValue::empty();
    const StoredCell& stored = cells_[column];
    switch (stored.kind) {
      case CellKind::Empty:
        return CellValue::empty();
      case CellKind::Number:
        return CellValue::ofNumber(stored.number, stored.style);
      case CellKind::Boolean:
        return CellValue::ofBoolean(stored.number != 0.0);
      case CellKind::Text:
      case CellKind::Error:
        if (stored.shared.data() != nullptr) return {stored.kind, 0.0, stored.shared, 0, true};
        return {stored.kind, 0.0, std::string_view(rowText_).substr(stored.offset, stored.length)};
    }
    return CellValue::empty();
  }

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view name) override;
  void text(std::string_view data) override;
  void beginReplay() override;
  // Reads the cells spreadsheet applications write (CellElement) in one pass, without events.
  std::size_t takeElement(char* begin, const char* end) override;

 private:
  enum class Type : unsigned char {
    Number,
    SharedString,
    InlineString,
    FormulaString,
    Boolean,
    Error,
    Date
  };

  struct StoredCell {
    CellKind kind = CellKind::Empty;
    double number = 0.0;
    std::string_view shared;  // a shared string, already in the pool
    std::size_t offset = 0;   // otherwise the text's place in rowText_
    std::size_t length = 0;
    std::uint32_t style = 0;
    bool pending = false;  // a shared string not yet looked up (resolvePending())
  };

  // A shared string of the row, looked up once the row is complete, so that the table's memory
  // is asked for all its cells at once rather than waited for cell by cell.
  struct PendingString {
    std::uint32_t column;
    std::size_t index;
  };

  // The type a cell's t attribute names; false for an unknown one.
  static bool cellType(const char* text, Type& type);
  void beginRow(const char** attributes);
  void beginCell(const char** attributes);
  void finishCell();
  void finishRow();
  // Gives the row's pending cells their shared strings and counts their text.
  void resolvePending();
  void store(StoredCell cell);
  // The current column's cell in the row, made room for and counted.
  StoredCell& slot();
  void storeCell();
  // Copies `value` into rowText_ as the cell's text.
  void storeValueText(CellKind kind, std::string_view value, bool unescape);
  std::uint32_t currentRow() const;  // the row being read, known or presumed
  std::string cellName() const;
  void failRowText();
  // Fails the parse over the row being read, which the error then names.
  void failInRow(WorkbookError::Kind kind, std::string problem);

  const XlsxSharedStrings& strings_;
  ReadLimits limits_;
  bool date1904_;
  std::function<void()> whileWaiting_;

  // The current row, valid while the parse is paused after it.
  std::vector<StoredCell> cells_;  // cells_[i] is empty for every i >= cellCount_
  std::vector<PendingString> pending_;
  std::size_t cellCount_ = 0;
  std::string rowText_;
  std::size_t rowTextBytes_ = 0;  // text of the row's stored cells, shared strings included
  std::uint32_t rowNumber_ = 0;
  std::uint32_t previousRow_ = 0;
  bool rowNumberKnown_ = false;
  std::uint32_t handedOn_ = 0;    // the last row the parse paused after
  std::uint32_t replayUpTo_ = 0;  // rows up to this one were handed on before a replay

  // The cell being read.
  std::string value_;
  std::size_t textStart_ = 0;
  std::uint32_t column_ = 0;
  std::uint32_t nextColumn_ = 0;
  std::uint32_t style_ = 0;  // the s attribute: the cell's place in the styles' cellXfs
  Type type_ = Type::Number;
  bool hasValue_ = false;
  bool hasInline_ = false;
  bool keptText_ = false;  // the cell's text stays in rowText_

  int depth_ = 0;
  int phoneticDepth_ = 0;
  bool inSheetData_ = false;
  bool inRow_ = false;
  bool inCell_ = false;
  bool inValue_ = false;
  bool inInline_ = false;
  bool inText_ = false;
};

}  // namespace quillmere::source::xlsx
