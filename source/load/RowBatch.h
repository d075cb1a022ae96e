#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "source/CellValue.h"
#include "source/SheetReader.h"

namespace quillmere::source {

// A batch of rows read on one thread and taken on another: each row's number and cells, the
// text of cells that is not lasting copied into the batch (shared strings stay where the
// workbook keeps them), a number's shown text copied behind the number, and how the sheet goes
// on after them.
class RowBatch {
 public:
  // Few enough that the taker starts soon, enough that handing a batch over costs little.
  static constexpr std::size_t kMaxRows = 256;
  // A batch is full sooner when its rows hold this many cells or this much text of their own.
  static constexpr std::size_t kMaxCells = std::size_t{1} << 15;
  static constexpr std::size_t kMaxTextBytes = std::size_t{1} << 20;

  void clear();
  bool full() const {
    return numbers_.size() >= kMaxRows || cells_.size() >= kMaxCells ||
           text_.size() >= kMaxTextBytes;
  }

  // Adds the current row of `sheet`; when that throws, the batch is as it was before.
  void add(const SheetReader& sheet);
  // Points the copied cells at their text, which moves no more; call once the batch is full.
  void seal();

  std::size_t rows() const { return numbers_.size(); }
  std::uint32_t number(std::size_t row) const { return numbers_[row]; }
  std::size_t cellCount(std::size_t row) const { return ends_[row] - begin(row); }
  CellValue cell(std::size_t row, std::size_t column) const;
  // Asks for the cache lines of a row's shared strings, which lie anywhere in the table, so
  // they are there by the time the row is read; nothing past the batch's rows.
  void prefetchTexts(std::size_t row) const;

  // After the rows: why the sheet cannot be read further, or that it ends.
  std::exception_ptr failure;
  bool ended = false;

 private:
  std::size_t begin(std::size_t row) const { return row == 0 ? 0 : ends_[row - 1]; }
  void addRow(const SheetReader& sheet);

  // A cell in 16 bytes: the batch is written on one core and read on another, and every
  // cache line it takes must travel between them.
  struct Cell {
    union {
      double number;
      const char* text;
      std::size_t copiedAt;  // into text_, until seal()
    };
    std::uint32_t sizeOrStyle;  // a text's length, a number's style or its shown text's length
    CellKind kind;
    bool lasting;
    bool shown;  // a number kept in text_ just before the text shown for it
  };

  std::vector<std::uint32_t> numbers_;
  std::vector<std::size_t> ends_;
  std::vector<Cell> cells_;
  std::vector<std::size_t> copied_;  // the cells whose text is in text_
  std::string text_;
};

}  // namespace quillmere::source
