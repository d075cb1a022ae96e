#include "source/load/SheetLoader.h"

#include <string>

#include "source/CellReference.h"
#include "source/CellTextForm.h"
#include "source/Workbook.h"
#include "source/load/RowEmptiness.h"

namespace quillmere::source {

namespace {

void addPreviewRow(SheetPreview& preview, const SheetReader& sheet, std::size_t headerCount,
                   char decimalSeparator, std::string& text) {
  preview.beginRow();
  const std::size_t stored = std::min(headerCount, sheet.cellCount());
  for (std::size_t column = 0; column < stored; ++column) {
    const CellValue value = sheet.cell(column);
    if (isEmptyCell(value)) continue;
    text.clear();
    appendTextForm(text, value, decimalSeparator);
    preview.addCell(column, text);
  }
}

}  // namespace

std::vector<HeaderColumn> scanHeaders(const SheetReader& headerRow, char decimalSeparator,
                                      std::uint32_t columns) {
  std::vector<HeaderColumn> headers;
  const std::size_t stored = std::min<std::size_t>(headerRow.cellCount(), kMaxGridColumns);
  const std::size_t end = columns == 0 ? stored : std::min<std::size_t>(columns, kMaxGridColumns);
  for (std::size_t column = 0; column < end; ++column) {
    const CellValue value = column < stored ? headerRow.cell(column) : CellValue{};
    const auto index = static_cast<std::uint32_t>(column);
    if (isEmptyCell(value)) {
      if (columns == 0) break;
      headers.push_back({index, columnLetters(index), columnLetters(index)});
      continue;
    }
    headers.push_back({index, columnLetters(index), textForm(value, decimalSeparator)});
  }
  return headers;
}

std::vector<HeaderColumn> scanHeadersOf(const SheetReader& headerRow, char decimalSeparator,
                                        const SheetTable& table) {
  const auto columns = table.allColumns ? static_cast<std::uint32_t>(table.headers.size()) : 0;
  return scanHeaders(headerRow, decimalSeparator, columns);
}

bool seekRow(SheetReader& sheet, std::uint32_t row) {
  while (sheet.rowNumber() < row) {
    if (!sheet.nextRow()) return false;
  }
  return sheet.rowNumber() == row;
}

namespace {

// The load with its header columns read to the first empty header cell, or, with `columns`,
// the first that many columns.
std::optional<LoadedSheet> extractColumns(SheetReader& sheet, LoadObserver& observer,
                                          const LoadOptions& options, std::uint32_t columns) {
  LoadedSheet loaded{{}, {}, KeptRows(options.keptRowsBudget)};
  SheetTable& table = loaded.table;
  table.headerRow = options.headerRow;
  table.allColumns = columns > 0;
  if (seekRow(sheet, options.headerRow)) {
    table.headers = scanHeaders(sheet, options.decimalSeparator, columns);
  }
  const std::size_t headerCount = table.headers.size();
  loaded.preview = SheetPreview(headerCount);
  table.rowsCounted = true;
  if (headerCount == 0) return loaded;

  std::string text;
  DataRowWalk rows(headerCount, options.headerRow);
  rows.noteSkipped(table.skipped);
  rows.notePastHeaders(sheet);
  bool more = true;
  while (more) {
    ++table.rowsFound;
    table.lastCountedRow = sheet.rowNumber();
    if (!loaded.preview.full()) {
      addPreviewRow(loaded.preview, sheet, headerCount, options.decimalSeparator, text);
    }
    loaded.rows.keep(sheet, headerCount);
    if (!observer.rowTaken(table.rowsFound)) return std::nullopt;
    more = rows.next(sheet);
  }
  return loaded;
}

}  // namespace

std::optional<LoadedSheet> extractSheetData(SheetReader& sheet, LoadObserver& observer,
                                            const LoadOptions& options) {
  const ObservedWaits observedWaits(sheet, observer);
  auto loaded = extractColumns(sheet, observer, options, 0);
  // The columns past the first empty header cell are known only once every row was seen;
  // the sheet is then read again with them.
  if (!loaded || !options.allColumns || loaded->table.skipped.columnsPastHeaders.empty()) {
    return loaded;
  }
  const std::uint32_t columns = loaded->table.skipped.columnsPastHeaders.back() + 1;
  loaded.reset();
  sheet.rewind();
  return extractColumns(sheet, observer, options, columns);
}

std::optional<LoadedSheet> extractExcelData(const std::filesystem::path& workbook,
                                            LoadObserver& observer, const LoadOptions& options) {
  const auto opened = openWorkbook(workbook, options.limits, options.sheet);
  auto loaded = extractSheetData(opened->sheet(), observer, options);
  if (loaded) {
    // Kept rows may point into the workbook's shared strings, and it closes here.
    loaded->rows.abandon();
    loaded->table.workbook = workbook;
    loaded->table.sheet = opened->sheetIndex();
    loaded->table.sheetName = opened->sheets()[opened->sheetIndex()].name;
  }
  return loaded;
}

}  // namespace quillmere::source
