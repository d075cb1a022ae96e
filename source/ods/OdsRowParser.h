#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "source/CellValue.h"
#include "source/ReadLimits.h"
#include "source/ods/ParagraphText.h"
#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::ods {

// Builds the rows of one table of an OpenDocument content part from its events, pausing the
// parse when a row with a value is complete and once the table has ended. A row or cell
// repeated many times is kept once: repeated cells share their text, and a row's repeats are
// counted, not copied, so a padding row repeated a million times costs one row.
class OdsRowParser : public xlsx::XmlHandler {
 public:
  // `table` is the sheet's place among the tables of the spreadsheet, counted from 0.
  OdsRowParser(std::size_t table, const ReadLimits& limits);

  // Back to before the first row, for a new pass over the part.
  void restart();
  void beginReplay() override;

  // Whether the table has been read to its end; after a pause for that, there is no row.
  bool tableEnded() const { return tableEnded_; }
  // The row the parse paused after: its number, counted from 1, and how many rows from there it
  // stands for (its repeats inside the grid).
  std::uint32_t rowNumber() const { return rowNumber_; }
  std::uint32_t repeats() const { return repeats_; }
  std::size_t cellCount() const { return cellCount_; }
  // Asked for every cell of every row, so it is here, where callers can inline it. A number's
  // text is the one the spreadsheet showed for it.
  CellValue cell(std::size_t column) const {
    if (column >= cellCount_) return CellValue::empty();
    const StoredCell& stored = cells_[column];
    switch (stored.kind) {
      case CellKind::Empty:
        return CellValue::empty();
      case CellKind::Boolean:
        return CellValue::ofBoolean(stored.number != 0.0);
      case CellKind::Number:
      case CellKind::Text:
      case CellKind::Error:
        return {stored.kind, stored.number,
                stored.source != nullptr
                    ? std::string_view(stored.source, stored.length)
                    : std::string_view(rowText_).substr(stored.offset, stored.length)};
    }
    return CellValue::empty();
  }

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view name) override;
  void text(std::string_view data) override;
  // Reads the cells spreadsheet programs write (OdsCellElement) in one pass, without events,
  // and passes over the rows of the tables before this one whole.
  std::size_t takeElement(char* begin, const char* end) override;

 private:
  enum class ValueType : unsigned char {
    None,
    Float,
    Percentage,
    Currency,
    Date,
    Time,
    Boolean,
    String,
    Other
  };

  struct StoredCell {
    CellKind kind = CellKind::Empty;
    double number = 0.0;
    std::size_t offset = 0;  // the text's place in rowText_
    std::size_t length = 0;
    // Or the text where the row was read whole, in the parser's bytes: they stay as they are
    // while the parse is paused after the row, and the cells are wanted no longer.
    const char* source = nullptr;
  };

  // What the cell's attributes say, copied out of the parser's buffer.
  struct CellAttributes {
    ValueType type = ValueType::None;
    bool error = false;  // calcext:value-type="error": the cell's text is its error code
    bool hasStringValue = false;
    std::uint64_t repeat = 1;
    std::string value;  // office:value, date-value, time-value or boolean-value, by its type
    std::string stringValue;
  };

  // A row of such cells is read whole, a pause after it; 0 leaves it to the events.
  std::size_t takeRow(const char* begin, const char* end);
  // One such cell inside an open row: its bytes, or 0.
  std::size_t takeCell(const char* begin, const char* end);

  static ValueType valueType(std::string_view text);
  void beginRow(const char** attributes);
  void resetRow(std::uint64_t repeat);
  void finishRow();
  void beginCell(const char** attributes, bool covered);
  void cellElement(std::string_view name, const char** attributes);
  void finishCell();
  // What the finished cell holds; its text is at textStart_ in rowText_.
  StoredCell cellValue();
  void storeCell(const StoredCell& cell);
  void storeCell(CellKind kind, double number, std::size_t offset, std::size_t length,
                 const char* source);
  // Out of storeCell(), whose every call is on the way of a cell.
  [[gnu::cold]] void failPastLastColumn();
  [[gnu::cold]] void failPastLimits();
  void appendKept(char c, std::uint64_t count);
  void checkCellText();
  std::uint32_t currentRow() const;
  std::string cellName() const;
  void failInRow(WorkbookError::Kind kind, std::string problem);

  std::size_t table_;
  ReadLimits limits_;

  // The current row, valid while the parse is paused after it.
  std::vector<StoredCell> cells_;  // cells_[i] is empty for every i >= cellCount_
  std::size_t cellCount_ = 0;
  std::string rowText_;
  std::uint64_t rowTextBytes_ = 0;  // text of the row's cells, each repeat counted
  std::uint32_t rowNumber_ = 0;
  std::uint32_t repeats_ = 0;
  std::uint64_t nextRow_ = 1;  // the number the next row element starts at
  std::uint64_t rowRepeat_ = 1;
  std::uint64_t column_ = 0;
  std::uint64_t repeatedCells_ = 0;  // cells the repeats added, over the whole table
  std::uint32_t handedOn_ = 0;       // the last row the parse paused after
  std::uint32_t replayUpTo_ = 0;     // rows up to this one were handed on before a replay

  // The cell being read.
  CellAttributes attributes_;
  bool covered_ = false;
  bool keepText_ = false;  // its paragraphs are wanted
  std::size_t textStart_ = 0;
  ParagraphText paragraph_;

  // Where the parse is: the depth of each open element that matters, 0 when none is open.
  int depth_ = 0;
  int spreadsheetDepth_ = 0;
  int tableDepth_ = 0;
  int rowDepth_ = 0;
  int cellDepth_ = 0;
  int paragraphDepth_ = 0;
  int skipDepth_ = 0;  // inside a comment, a drawing or a table within a cell
  std::size_t tablesSeen_ = 0;
  bool tableEnded_ = false;

  // Rows read whole, and rows tried whole that the events read after all.
  static constexpr std::uint64_t kOddRowsTried = 64;
  static constexpr std::ptrdiff_t kOddRowMargin = 4096;
  bool takingRow_ = false;  // within takeRow(), which keeps the texts where they are
  std::uint64_t takenRows_ = 0;
  std::uint64_t oddRows_ = 0;
};

}  // namespace quillmere::source::ods
