#include "source/xls/XlsSheetReader.h"

#include <algorithm>
#include <limits>

#include "source/CellReference.h"
#include "source/xls/BiffRecordCursor.h"
#include "source/xls/LittleEndian.h"
#include "source/xls/RecordType.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {

constexpr std::uint32_t kBiff8GridRows = 65536;
constexpr std::uint32_t kOlderGridRows = 16384;
constexpr std::size_t kNotOwned = std::numeric_limits<std::size_t>::max();

bool isValueRecord(std::uint16_t type) {
  using namespace record;
  switch (type) {
    case kInteger2:
    case kNumber2:
    case kLabel2:
    case kBoolErr2:
    case kFormula:
    case kNumber:
    case kRk:
    case kMulRk:
    case kLabel:
    case kRString:
    case kLabelSst:
    case kBoolErr:
    case kFormula3:
    case kFormula4:
      return true;
    default:
      return false;
  }
}

}  // namespace

XlsSheetReader::XlsSheetReader(const std::filesystem::path& file, const WorkbookStream& stream,
                               std::size_t start, BiffVersion version, std::uint16_t codePage,
                               const XlsSharedStrings& sharedStrings,
                               const XlsStyles& workbookStyles, const ReadLimits& limits)
    : file_(&file),
      version_(version),
      decoder_(codePage),
      records_(file, stream, start, version, decoder_, sharedStrings, limits),
      maxRowTextBytes_(limits.maxRowTextBytes) {
  BiffRecordCursor cursor(file, stream, start);
  std::uint16_t sheetCodePage = codePage;
  // A BIFF2-4 worksheet holds its own number formats; later ones share the globals'.
  const bool ownStyles = version == BiffVersion::Biff2 || version == BiffVersion::Biff3 ||
                         version == BiffVersion::Biff4;
  XlsStyles sheetStyles;
  int depth = 0;
  std::uint16_t previousRow = 0;
  bool ended = false;
  BiffRecord record;
  while (cursor.next(record)) {
    if (record::isBof(record.type)) {
      ++depth;
    } else if (record.type == record::kEof) {
      if (--depth <= 0) {
        ended = true;
        break;
      }
    } else if (depth != 1) {
      continue;
    } else if (record.type == record::kFilePass) {
      throwEncrypted(file);
    } else if (record.type == record::kCodePage && record.data.size() >= 2) {
      sheetCodePage = u16At(record.data, 0);
    } else if (ownStyles && sheetStyles.take(record)) {
      continue;
    } else if (isValueRecord(record.type) && record.data.size() >= 2) {
      const std::uint16_t row = u16At(record.data, 0);
      if (row < previousRow) inRowOrder_ = false;
      previousRow = std::max(previousRow, row);
      if (record.type == record::kLabelSst && record.data.size() >= 10 &&
          u32At(record.data, 6) >= sharedStrings.size()) {
        throwDamaged(file, "a cell refers to shared text number " +
                               std::to_string(u32At(record.data, 6)) + " of only " +
                               std::to_string(sharedStrings.size()));
      }
    }
  }
  if (!ended) {
    throwDataEnds(file, "the workbook data ends before its worksheet does", stream.shortfall());
  }
  if (sheetCodePage != codePage) decoder_ = XlsTextDecoder(sheetCodePage);
  formats_ = (ownStyles ? sheetStyles : workbookStyles)
                 .build(version, decoder_, sheetStyles.date1904() || workbookStyles.date1904());
  if (!inRowOrder_) collectSorted();
}

std::uint32_t XlsSheetReader::gridRows() const {
  // An older sheet's grid is 16,384 rows, but its 16-bit row field reaches 65,536, and some
  // writers use that: once such a row is met, the grid is the larger one, so no row ever
  // lies outside it and none is lost.
  if (version_ == BiffVersion::Biff8 || beyondOlderGrid_) return kBiff8GridRows;
  return kOlderGridRows;
}

void XlsSheetReader::checkColumn(std::uint16_t column) const {
  // BIFF grids are 256 columns wide; some writers store further out, up to the largest grid.
  if (column >= kMaxGridColumns) {
    throwDamaged(*file_, "a cell lies beyond the last column (" + std::to_string(column + 1) + ")");
  }
}

void XlsSheetReader::collectSorted() {
  // The records jump back to earlier rows, so a forward cursor cannot stream them: this one
  // sheet is gathered in compact form and sorted, the stable sort keeping the last record
  // of a cell last.
  ParsedCell parsed;
  while (records_.next(parsed)) {
    checkColumn(parsed.column);
    SortedCell cell{};
    cell.row = parsed.row;
    cell.column = parsed.column;
    cell.kind = parsed.value.kind;
    cell.style = static_cast<std::uint16_t>(parsed.value.style);
    cell.textLength = 0;
    cell.lasting = false;
    if (parsed.value.kind == CellKind::Text || parsed.value.kind == CellKind::Error) {
      cell.textLength = static_cast<std::uint32_t>(parsed.value.text.size());
      if (parsed.lasting) {
        // A shared string stays where the table keeps it: copied for every cell naming it,
        // a few bytes of file could take gigabytes.
        cell.lasting = true;
        cell.text = parsed.value.text.data();
      } else {
        cell.textOffset = sortedText_.size();
        sortedText_ += parsed.value.text;
      }
    } else {
      cell.number = parsed.value.number;
    }
    sorted_.push_back(cell);
  }
  std::stable_sort(sorted_.begin(), sorted_.end(), [](const SortedCell& a, const SortedCell& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
  });
}

void XlsSheetReader::place(std::uint16_t column, const CellValue& value) {
  if (column >= cellCount_) {
    if (column >= row_.size()) {
      checkColumn(column);
      row_.resize(column + std::size_t{1}, CellValue::empty());
      ownedAt_.resize(column + std::size_t{1}, kNotOwned);
    }
    cellCount_ = column + std::size_t{1};
  }
  row_[column] = value;
  ownedAt_[column] = kNotOwned;
}

void XlsSheetReader::clearRow() {
  for (std::size_t column = 0; column < cellCount_; ++column) {
    row_[column] = CellValue::empty();
    ownedAt_[column] = kNotOwned;
  }
  cellCount_ = 0;
  rowText_.clear();
  rowTextBytes_ = 0;
}

void XlsSheetReader::countRowText(const CellValue& value) {
  if (value.kind != CellKind::Text && value.kind != CellKind::Error) return;
  rowTextBytes_ += value.text.size();
  // Also the bound on a row's own copies: a cell written again and again is copied each time.
  if (rowTextBytes_ > maxRowTextBytes_) throwRowTextTooLong(*file_, rowNumber_, maxRowTextBytes_);
}

bool XlsSheetReader::nextRow() {
  clearRow();
  const bool found = inRowOrder_ ? nextStreamedRow() : nextSortedRow();
  if (found && rowNumber_ > kOlderGridRows) beyondOlderGrid_ = true;
  return found;
}

bool XlsSheetReader::nextStreamedRow() {
  if (!hasPending_) {
    if (finished_ || !records_.next(pending_)) {
      finished_ = true;
      return false;
    }
  }
  const std::uint16_t row = pending_.row;
  rowNumber_ = row + std::uint32_t{1};
  hasPending_ = false;
  for (;;) {
    if (pending_.row != row) {
      hasPending_ = true;
      break;
    }
    countRowText(pending_.value);
    place(pending_.column, pending_.value);
    if (!pending_.lasting) {
      ownedAt_[pending_.column] = rowText_.size();
      rowText_ += pending_.value.text;
    }
    if (!records_.next(pending_)) {
      finished_ = true;
      break;
    }
  }
  // The row's own copies are final now, so views into them stay valid.
  for (std::size_t column = 0; column < cellCount_; ++column) {
    if (ownedAt_[column] != kNotOwned) {
      row_[column].text =
          std::string_view(rowText_).substr(ownedAt_[column], row_[column].text.size());
    }
  }
  return true;
}

bool XlsSheetReader::nextSortedRow() {
  if (sortedNext_ >= sorted_.size()) return false;
  const std::uint32_t row = sorted_[sortedNext_].row;
  rowNumber_ = row + 1;
  for (; sortedNext_ < sorted_.size() && sorted_[sortedNext_].row == row; ++sortedNext_) {
    const SortedCell& cell = sorted_[sortedNext_];
    CellValue value;
    value.kind = cell.kind;
    value.style = cell.style;
    if (cell.lasting) {
      value.text = std::string_view(cell.text, cell.textLength);
      value.lasting = true;
    } else if (cell.kind == CellKind::Text || cell.kind == CellKind::Error) {
      value.text = std::string_view(sortedText_).substr(cell.textOffset, cell.textLength);
    } else {
      value.number = cell.number;
    }
    countRowText(value);
    place(cell.column, value);
  }
  return true;
}

CellValue XlsSheetReader::cell(std::size_t column) const {
  return column < cellCount_ ? row_[column] : CellValue::empty();
}

void XlsSheetReader::rewind() {
  clearRow();
  rowNumber_ = 0;
  sortedNext_ = 0;
  if (inRowOrder_) {
    records_.restart();
    hasPending_ = false;
    finished_ = false;
  }
}

}  // namespace quillmere::source::xls
