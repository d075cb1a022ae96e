#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "source/CellFormats.h"
#include "source/CellValue.h"
#include "source/SheetReader.h"

namespace quillmere::source {

// The rows a load decoded, kept so a conversion of the same file need not decode them again:
// the header row and every data row, with the cells of the header columns only. It stops
// keeping rows, and lets go of those it has, once they would take more memory than its
// budget; a caller then reads the sheet again.
class KeptRows {
 public:
  KeptRows() = default;
  explicit KeptRows(std::size_t budgetBytes) : budget_(budgetBytes) {}

  // Keeps the current row of `sheet`; nothing once the budget has been passed.
  void keep(const SheetReader& sheet, std::size_t headerCount);
  // Lets go of every row; a loader whose rows are not all here must not leave some.
  void abandon();

  // Whether every row handed to keep() is here.
  bool whole() const { return !abandoned_; }
  std::size_t rowCount() const { return rows_.size(); }
  std::size_t bytes() const;

 private:
  friend class KeptRowsReader;

  // A cell packed into 16 bytes: text as a place in text_, numbers as their bits.
  struct Cell {
    std::uint64_t payload = 0;
    std::uint32_t style = 0;
    CellKind kind = CellKind::Empty;
  };
  struct Row {
    std::uint32_t number;
    std::uint32_t firstCell;
    std::uint32_t cellCount;
  };

  CellValue cellValue(const Row& row, std::size_t column) const;

  std::size_t budget_ = 0;
  bool abandoned_ = false;
  std::vector<Row> rows_;
  std::vector<Cell> cells_;
  std::string text_;
};

// A cursor over kept rows, as the sheet they came from would read them: same row numbers,
// same cells in the header columns, the same number formats.
class KeptRowsReader : public SheetReader {
 public:
  // `rows` and `formats` must outlive the reader.
  KeptRowsReader(const KeptRows& rows, const CellFormats& formats, std::uint32_t gridRows)
      : rows_(rows), formats_(formats), gridRows_(gridRows) {}

  std::uint32_t gridRows() const override { return gridRows_; }
  bool nextRow() override;
  std::uint32_t rowNumber() const override;
  std::size_t cellCount() const override;
  CellValue cell(std::size_t column) const override;
  void rewind() override { next_ = 0; }
  const CellFormats& cellFormats() const override { return formats_; }

 private:
  const KeptRows& rows_;
  const CellFormats& formats_;
  std::uint32_t gridRows_;
  std::size_t next_ = 0;  // the row after the current one
};

}  // namespace quillmere::source
