#include "source/load/KeptRows.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <optional>
#include <utility>

namespace quillmere::source {

namespace {

constexpr unsigned kKindBits = 3;
constexpr std::uint64_t kKindMask = (1u << kKindBits) - 1;
constexpr unsigned kSizeBits = 13;
constexpr std::uint64_t kSizeMask = (std::uint64_t{1} << kSizeBits) - 1;
constexpr unsigned kAddressShift = kKindBits + kSizeBits;
// Not a CellKind: the cell points to a WideCell.
constexpr std::uint64_t kWide = kKindMask;
// Not a CellKind either: a number kept just before the text shown for it, which the cell
// points to as to a text.
constexpr std::uint64_t kShownNumber = 5;
static_assert(static_cast<std::uint64_t>(CellKind::Error) < kShownNumber && kShownNumber < kWide);

bool holdsText(CellKind kind) {
  return kind == CellKind::Text || kind == CellKind::Error;
}

std::uint64_t narrowCell(const void* address, std::size_t size, CellKind kind) {
  return std::bit_cast<std::uintptr_t>(address) << kAddressShift | size << kKindBits |
         static_cast<std::uint64_t>(kind);
}

bool fitsNarrow(const void* address, std::size_t size) {
  return std::bit_cast<std::uintptr_t>(address) >> (64 - kAddressShift) == 0 && size <= kSizeMask;
}

const char* addressOf(std::uint64_t cell) {
  return std::bit_cast<const char*>(static_cast<std::uintptr_t>(cell >> kAddressShift));
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

char* KeptRows::roomForText(std::size_t size) {
  if (size > freeTextBytes_) {
    std::size_t bytes = size;
    textBlocks_.push_back(supply_.take(bytes));
    blockBytes_ += bytes;
    freeText_ = reinterpret_cast<char*>(textBlocks_.back().get());
    freeTextBytes_ = bytes;
  }
  char* room = freeText_;
  freeText_ += size;
  freeTextBytes_ -= size;
  return room;
}

const char* KeptRows::keptCopy(std::string_view text) {
  char* copy = roomForText(text.size());
  if (!text.empty()) std::memcpy(copy, text.data(), text.size());
  return copy;
}

std::optional<KeptRows::Cell> KeptRows::wideCell(std::uint64_t payload, std::uint64_t kindAndSize) {
  static_assert(sizeof(WideCell) == 2 * sizeof(Cell));
  auto* wide = reinterpret_cast<WideCell*>(roomForCells(2));
  *wide = {payload, kindAndSize};
  // Only a system that hands out addresses past 48 bits unasked would fail this.
  if (!fitsNarrow(wide, 0)) return std::nullopt;
  return narrowCell(wide, 0, static_cast<CellKind>(kWide));
}

std::optional<KeptRows::Cell> KeptRows::keptCell(const CellValue& value) {
  if (value.kind == CellKind::Number && !value.text.empty()) {
    char* kept = roomForText(sizeof value.number + value.text.size());
    std::memcpy(kept, &value.number, sizeof value.number);
    std::memcpy(kept + sizeof value.number, value.text.data(), value.text.size());
    if (fitsNarrow(kept, value.text.size())) {
      return narrowCell(kept, value.text.size(), static_cast<CellKind>(kShownNumber));
    }
    return wideCell(std::bit_cast<std::uint64_t>(static_cast<const char*>(kept)),
                    value.text.size() << kKindBits | kShownNumber);
  }
  if (holdsText(value.kind)) {
    const char* text = value.lasting ? value.text.data() : keptCopy(value.text);
    if (fitsNarrow(text, value.text.size())) return narrowCell(text, value.text.size(), value.kind);
    return wideCell(std::bit_cast<std::uint64_t>(text),
                    value.text.size() << kKindBits | static_cast<std::uint64_t>(value.kind));
  }
  // Empty cells, and zeros, hold nothing but their style.
  if (std::bit_cast<std::uint64_t>(value.number) == 0 && value.style <= kSizeMask) {
    return narrowCell(nullptr, value.style, value.kind);
  }
  // A number shows through its style; a text is the same whatever its style.
  return wideCell(std::bit_cast<std::uint64_t>(value.number),
                  std::uint64_t{value.style} << kKindBits | static_cast<std::uint64_t>(value.kind));
}

void KeptRows::keep(const SheetReader& sheet, std::size_t headerCount) {
  if (abandoned_) return;
  try {
    keepRow(sheet, headerCount);
  } catch (const std::bad_alloc&) {
    // The rows only spare a second read: without memory for them, Convert reads the sheet.
    abandon();
  }
}

void KeptRows::keepRow(const SheetReader& sheet, std::size_t headerCount) {
  const std::size_t stored = std::min(headerCount, sheet.cellCount());
  Cell* cells = roomForCells(stored);
  rows_.push_back({cells, sheet.rowNumber(), static_cast<std::uint32_t>(stored)});
  for (std::size_t column = 0; column < stored; ++column) {
    const std::optional<Cell> cell = keptCell(sheet.cell(column));
    // What cannot be kept this way is let go of the same way as an overrun.
    if (!cell) {
      abandon();
      return;
    }
    cells[column] = *cell;
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
  std::uint64_t cell = row.cells[column];
  std::uint64_t payload = std::bit_cast<std::uintptr_t>(addressOf(cell));
  std::uint64_t size = cell >> kKindBits & kSizeMask;
  if ((cell & kKindMask) == kWide) {
    const auto* wide = reinterpret_cast<const WideCell*>(addressOf(cell));
    cell = wide->kindAndSize;
    payload = wide->payload;
    size = cell >> kKindBits;
  }
  CellValue value;
  if ((cell & kKindMask) == kShownNumber) {
    const char* kept = std::bit_cast<const char*>(payload);
    value.kind = CellKind::Number;
    std::memcpy(&value.number, kept, sizeof value.number);
    value.text = {kept + sizeof value.number, size};
    return value;
  }
  value.kind = static_cast<CellKind>(cell & kKindMask);
  if (holdsText(value.kind)) {
    value.text = {std::bit_cast<const char*>(payload), size};
  } else {
    value.number = std::bit_cast<double>(payload);
    value.style = static_cast<std::uint32_t>(size);
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
    const KeptRows::Cell cell = row.cells[column];
    const std::uint64_t kind = cell & kKindMask;
    if (holdsText(static_cast<CellKind>(kind)) || kind == kShownNumber) {
      __builtin_prefetch(addressOf(cell));
    }
  }
}

CellValue KeptRowsReader::cell(std::size_t column) const {
  if (next_ == 0 || next_ > rows_.rows_.size()) return {};
  return rows_.cellValue(rows_.rows_[next_ - 1], column);
}

}  // namespace quillmere::source
