#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere::source {

// The first rows of a sheet as the preview grid shows them: text forms of the header
// columns only, the header row first, empty rows left out. Only non-empty cells are stored,
// so a wide, sparse sheet costs little.
class SheetPreview {
 public:
  // Rows the preview grid holds, its fixed header row included.
  static constexpr std::size_t kMaxRows = 1000;
  // A grid cell is a few characters wide; longer texts are cut (at a character boundary)
  // so a sheet of huge cells cannot fill memory through its preview.
  static constexpr std::size_t kMaxCellBytes = 1024;
  // A hostile sheet of thousands of wide columns would otherwise cost gigabytes: past these
  // totals the preview takes no further rows (counting goes on elsewhere).
  static constexpr std::size_t kMaxCells = 2'000'000;
  static constexpr std::size_t kMaxTextBytes = 32u << 20;

  SheetPreview() = default;
  explicit SheetPreview(std::size_t columnCount) : columnCount_(columnCount) {}

  std::size_t rowCount() const { return rows_.size(); }
  std::size_t columnCount() const { return columnCount_; }
  bool full() const {
    return rows_.size() >= kMaxRows || cells_.size() >= kMaxCells || text_.size() >= kMaxTextBytes;
  }

  // The text of a cell; empty outside the stored rows and columns.
  std::string_view cell(std::size_t row, std::size_t column) const;

  // Starts a new row; cells are then added left to right.
  void beginRow();
  void addCell(std::size_t column, std::string_view text);

 private:
  struct Cell {
    std::uint32_t column;
    std::uint32_t offset;
    std::uint32_t length;
  };
  struct Row {
    std::size_t firstCell;
    std::size_t cellCount;
  };

  std::size_t columnCount_ = 0;
  std::vector<Row> rows_;
  std::vector<Cell> cells_;
  std::string text_;
};

}  // namespace quillmere::source
