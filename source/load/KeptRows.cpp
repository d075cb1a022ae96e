#include "source/load/KeptRows.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace quillmere::source {

namespace {

constexpr unsigned kKindBits = 3;
constexpr std::uint32_t kKindMask = (1u << kKindBits) - 1;
constexpr std::size_t kMaxSize = (std::size_t{1} << (32 - kKindBits)) - 1;

bool holdsText(CellKind kind) {
  return kind == CellKind::Text || kind == CellKind::Error;
}

}  // namespace

KeptRows::KeptRows(KeptRows&& other) noexcept {
  *this = std::move(other);
}

KeptRows& KeptRows::operator=(KeptRows&& other) noexcept {
  if (this == &other) return *this;
  supply_ = std::move(other.supply_);
  budget_ = other.budget_;
  abandoned_ = other.abandoned_;
  rows_ = std::move(other.rows_);
  cellBlocks_ = std::move(other.cellBlocks_);
  textBlocks_ = std::move(other.textBlocks_);
  freeCells_ = std::exchange(other.freeCells_, nullptr);
  freeCellCount_ = std::exchange(other.freeCellCount_, 0);
  freeText_ = std::exchange(other.freeText_, nullptr);
  freeTextBytes_ = std::exchange(other.freeTextBytes_, 0);
  blockBytes_ = std::exchange(other.blockBytes_, 0);
  other.rows_.clear();
  other.cellBlocks_.clear();
  other.textBlocks_.clear();
  return *this;
}

std::size_t KeptRows::bytes() const {
  return rows_.capacity() * sizeof(Row) + blockBytes_;
}

KeptRows::Cell* KeptRows::roomForCells(std::size_t count) {
  if (count > freeCellCount_) {
    std::size_t bytes = count * sizeof(Cell);
    cellBlocks_.push_back(supply_.take(bytes));
    blockBytes_ += bytes;
    freeCells_ = reinterpret_cast<Cell*>(cellBlocks_.back().get());
    freeCellCount_ = bytes / sizeof(Cell);
  }
  Cell* room = freeCells_;
  freeCells_ += count;
  freeCellCount_ -= count;
  return room;
}

const char* KeptRows::keptCopy(std::string_view text) {
  if (text.size() > freeTextBytes_) {
    std::size_t bytes = text.size();
    textBlocks_.push_back(supply_.take(bytes));
    blockBytes_ += bytes;
    freeText_ = reinterpret_cast<char*>(textBlocks_.back().get());
    freeTextBytes_ = bytes;
  }
  char* copy = freeText_;
  if (!text.empty()) std::memcpy(copy, text.data(), text.size());
  freeText_ += text.size();
  freeTextBytes_ -= text.size();
  return copy;
}

void KeptRows::keep(const SheetReader& sheet, std::size_t headerCount) {
  if (abandoned_) return;
  const std::size_t stored = std::min(headerCount, sheet.cellCount());
  Cell* cells = roomForCells(stored);
  rows_.push_back({cells, sheet.rowNumber(), static_cast<std::uint32_t>(stored)});
  for (std::size_t column = 0; column < stored; ++column) {
    const CellValue value = sheet.cell(column);
    std::uint64_t payload = 0;
    // A number shows through its style; a text is the same whatever its style.
    std::size_t size = value.style;
    if (holdsText(value.kind)) {
      const char* text = value.lasting ? value.text.data() : keptCopy(value.text);
      payload = std::bit_cast<std::uint64_t>(text);
      size = value.text.size();
    } else {
      payload = std::bit_cast<std::uint64_t>(value.number);
    }
    // What does not fit beside the kind is let go of the same way as an overrun.
    if (size > kMaxSize) {
      abandon();
      return;
    }
    Cell& cell = cells[column];
    std::memcpy(cell.payload, &payload, sizeof payload);
    cell.kindAndSize =
        static_cast<std::uint32_t>(size) << kKindBits | static_cast<std::uint32_t>(value.kind);
  }
  if (bytes() > budget_) abandon();
}

void KeptRows::abandon() {
  abandoned_ = true;
  supply_.clear();
  // Swapped with empty ones, so the memory goes back now rather than with the object.
  std::vector<Row>().swap(rows_);
  std::vector<Block>().swap(cellBlocks_);
  std::vector<Block>().swap(textBlocks_);
  freeCells_ = nullptr;
  freeCellCount_ = 0;
  freeText_ = nullptr;
  freeTextBytes_ = 0;
  blockBytes_ = 0;
}

CellValue KeptRows::cellValue(const Row& row, std::size_t column) const {
  if (column >= row.cellCount) return {};
  const Cell& cell = row.cells[column];
  std::uint64_t payload = 0;
  std::memcpy(&payload, cell.payload, sizeof payload);
  const std::uint32_t size = cell.kindAndSize >> kKindBits;
  CellValue value;
  value.kind = static_cast<CellKind>(cell.kindAndSize & kKindMask);
  if (holdsText(value.kind)) {
    value.text = {std::bit_cast<const char*>(payload), size};
  } else {
    value.number = std::bit_cast<double>(payload);
    value.style = size;
  }
  return value;
}

bool KeptRowsReader::nextRow() {
  if (next_ >= rows_.rows_.size()) {
    next_ = rows_.rows_.size() + 1;
    return false;
  }
  ++next_;
  return true;
}

std::uint32_t KeptRowsReader::rowNumber() const {
  if (next_ == 0 || next_ > rows_.rows_.size()) return 0;
  return rows_.rows_[next_ - 1].number;
}

std::size_t KeptRowsReader::cellCount() const {
  if (next_ == 0 || next_ > rows_.rows_.size()) return 0;
  return rows_.rows_[next_ - 1].cellCount;
}

void KeptRowsReader::prefetchRow(std::size_t rows) const {
  if (next_ == 0 || next_ - 1 + rows >= rows_.rows_.size()) return;
  const KeptRows::Row& row = rows_.rows_[next_ - 1 + rows];
  for (std::size_t column = 0; column < row.cellCount; ++column) {
    const KeptRows::Cell& cell = row.cells[column];
    if (!holdsText(static_cast<CellKind>(cell.kindAndSize & kKindMask))) continue;
    std::uint64_t payload = 0;
    std::memcpy(&payload, cell.payload, sizeof payload);
    __builtin_prefetch(std::bit_cast<const char*>(payload));
  }
}

CellValue KeptRowsReader::cell(std::size_t column) const {
  if (next_ == 0 || next_ > rows_.rows_.size()) return {};
  return rows_.cellValue(rows_.rows_[next_ - 1], column);
}

}  // namespace quillmere::source
