#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "source/CellFormats.h"
#include "source/CellValue.h"
#include "source/SheetReader.h"
#include "source/load/BlockSupply.h"

namespace quillmere::source {

// The rows a load decoded, kept so a conversion of the same file need not decode them again:
// the header row and every data row, with the cells of the header columns only. It stops
// keeping rows, and lets go of those it has, once they would take more memory than its
// budget; a caller then reads the sheet again. Shared strings are kept as views, so the
// workbook must stay open while its rows are kept.
class KeptRows {
 public:
  KeptRows() = default;
  explicit KeptRows(std::size_t budgetBytes) : budget_(budgetBytes) {}
  // A moved-from one keeps nothing, not even room in blocks it no longer owns.
  KeptRows(KeptRows&& other) noexcept;
  KeptRows& operator=(KeptRows&& other) noexcept;
  KeptRows(const KeptRows&) = delete;
  KeptRows& operator=(const KeptRows&) = delete;
  ~KeptRows() = default;

  // Keeps the current row of `sheet`; nothing once the budget has been passed or memory for
  // the row was refused.
  void keep(const SheetReader& sheet, std::size_t headerCount);
  // Lets go of every row; a loader whose rows are not all here must not leave some.
  void abandon();

  // Whether every row handed to keep() is here.
  bool whole() const { return !abandoned_; }
  std::size_t rowCount() const { return rows_.size(); }
  std::size_t bytes() const;

 private:
  friend class KeptRowsReader;

  // A cell in 8 bytes, as a million rows of sixteen columns must be cleared in fresh memory
  // as they are kept: its kind in the low three bits, then 13 bits of a text's length or an
  // empty cell's style, then 48 bits of address. A text (the shared string itself when the
  // workbook keeps it: it stays open while these rows are kept) or an error code shorter than
  // 8 KiB is its address and length, and so is a number with the text shown for it (.ods),
  // copied behind the number; an empty cell has no address. Anything else, a number with its
  // style or a longer text, points to a WideCell kept among the cells.
  using Cell = std::uint64_t;
  struct WideCell {
    std::uint64_t payload;      // a number's bits or where its text lies
    std::uint64_t kindAndSize;  // the kind, then a number's style or a text's length
  };
  struct Row {
    const Cell* cells;
    std::uint32_t number;
    std::uint32_t cellCount;
  };

  using Block = BlockSupply::Block;

  void keepRow(const SheetReader& sheet, std::size_t headerCount);
  CellValue cellValue(const Row& row, std::size_t column) const;
  Cell* roomForCells(std::size_t count);
  // The cell that keeps `value`; nothing when it cannot be kept in this form.
  std::optional<Cell> keptCell(const CellValue& value);
  std::optional<Cell> wideCell(std::uint64_t payload, std::uint64_t kindAndSize);
  char* roomForText(std::size_t size);
  const char* keptCopy(std::string_view text);

  // Room for cells or copied texts: whole huge pages where the system has them, since a
  // fault for every 4 KiB page was half the time of keeping a row.
  BlockSupply supply_;
  std::size_t budget_ = 0;
  bool abandoned_ = false;
  std::vector<Row> rows_;
  // Cells and copied texts go into blocks that never move once filled, so keeping a row
  // never copies the rows before it.
  std::vector<Block> cellBlocks_;
  Cell* freeCells_ = nullptr;
  std::size_t freeCellCount_ = 0;
  std::vector<Block> textBlocks_;
  char* freeText_ = nullptr;
  std::size_t freeTextBytes_ = 0;
  std::size_t blockBytes_ = 0;
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
  void prefetchRow(std::size_t rows) const override;
  const CellFormats& cellFormats() const override { return formats_; }
  std::unique_ptr<SheetReader> anotherCursor() const override {
    return std::make_unique<KeptRowsReader>(rows_, formats_, gridRows_);
  }

 private:
  const KeptRows& rows_;
  const CellFormats& formats_;
  std::uint32_t gridRows_;
  std::size_t next_ = 0;  // the row after the current one
};

}  // namespace quillmere::source
