#include "fuzz/WorkbookReading.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "source/CellTextForm.h"
#include "source/DisplayedText.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"

namespace quillmere::fuzz {

source::ReadLimits fuzzLimits() {
  source::ReadLimits limits;
  limits.maxPartBytes = 8u << 20;
  limits.maxCellTextBytes = 4096;
  limits.maxRowTextBytes = 64u << 10;
  limits.maxSharedStringBytes = 1u << 20;
  limits.maxFileBytes = 8u << 20;
  limits.maxRepeatedCells = 1u << 16;
  return limits;
}

void readEveryCell(const std::filesystem::path& file, const source::ReadLimits& limits) {
  using source::WorkbookError;
  std::unique_ptr<source::Workbook> workbook;
  try {
    workbook = source::openWorkbook(file, limits);
  } catch (const WorkbookError&) {
    return;
  }
  source::SheetReader& sheet = workbook->sheet();
  std::string text;
  std::uint32_t previousRow = 0;
  for (int pass = 0; pass < 2; ++pass) {
    try {
      while (sheet.nextRow()) {
        // Rows come in increasing order, and inside the grid.
        if (sheet.rowNumber() <= previousRow || sheet.rowNumber() > sheet.gridRows()) std::abort();
        previousRow = sheet.rowNumber();
        for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
          text.clear();
          source::appendTextForm(text, sheet.cell(c));
          text.clear();
          source::appendDisplayedText(text, sheet.cell(c), sheet.cellFormats());
        }
        text.clear();
        source::appendTextForm(text, sheet.cell(sheet.cellCount()));
        if (!text.empty()) std::abort();  // past the stored cells every cell is empty
      }
    } catch (const WorkbookError&) {
    }
    sheet.rewind();
    previousRow = 0;
  }
}

}  // namespace quillmere::fuzz
