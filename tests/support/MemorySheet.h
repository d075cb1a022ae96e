#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "source/SheetReader.h"

namespace quillmere::test {

// A worksheet held in memory, for feeding loaders and exports made in the test. Cells are
// text, numbers (with a style, or the default one) or error values; rows left out of the map
// are not stored. The styles' formats are General until set.
class MemorySheet : public source::SheetReader {
 public:
  struct Error {
    std::string code;  // "#N/A", "#DIV/0!", ...
  };
  struct Styled {
    double number;
    std::uint32_t style;
  };
  using Cell = std::variant<std::string, double, Error, Styled>;
  using Rows = std::map<std::uint32_t, std::vector<Cell>>;

  MemorySheet() = default;
  explicit MemorySheet(Rows rows) : rows_(std::move(rows)) {}

  // Text-only rows, the common case.
  static MemorySheet ofText(const std::map<std::uint32_t, std::vector<std::string>>& rows) {
    Rows cells;
    for (const auto& [row, texts] : rows)
      cells[row] = std::vector<Cell>(texts.begin(), texts.end());
    return MemorySheet(std::move(cells));
  }

  Rows& rows() { return rows_; }

  std::uint32_t gridRows() const override { return gridRows_; }
  bool nextRow() override {
    next_ = started_ ? rows_.upper_bound(current_) : rows_.begin();
    started_ = true;
    if (next_ == rows_.end() || next_->first > gridRows_) {
      current_ = gridRows_;
      atEnd_ = true;
      return false;
    }
    current_ = next_->first;
    ++rowsRead;
    return true;
  }
  std::uint32_t rowNumber() const override { return started_ && !atEnd_ ? current_ : 0; }
  std::size_t cellCount() const override {
    const auto row = rows_.find(current_);
    return row == rows_.end() || atEnd_ ? 0 : row->second.size();
  }
  source::CellValue cell(std::size_t column) const override {
    const auto row = rows_.find(current_);
    if (atEnd_ || row == rows_.end() || column >= row->second.size()) return {};
    const Cell& value = row->second[column];
    if (const auto* number = std::get_if<double>(&value)) {
      return source::CellValue::ofNumber(*number);
    }
    if (const auto* styled = std::get_if<Styled>(&value)) {
      return source::CellValue::ofNumber(styled->number, styled->style);
    }
    if (const auto* error = std::get_if<Error>(&value))
      return source::CellValue::ofError(error->code);
    return source::CellValue::ofText(std::get<std::string>(value));
  }
  void rewind() override {
    started_ = false;
    atEnd_ = false;
    current_ = 0;
    ++rewinds;
  }

  const source::CellFormats& cellFormats() const override { return formats_; }

  void setGridRows(std::uint32_t rows) { gridRows_ = rows; }
  void setCellFormats(source::CellFormats formats) { formats_ = std::move(formats); }

  int rewinds = 0;
  std::uint64_t rowsRead = 0;

 private:
  Rows rows_;
  Rows::iterator next_;
  std::uint32_t current_ = 0;
  std::uint32_t gridRows_ = 1048576;
  source::CellFormats formats_;
  bool started_ = false;
  bool atEnd_ = false;
};

}  // namespace quillmere::test
