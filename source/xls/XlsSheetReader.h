#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "source/ReadLimits.h"
#include "source/SheetReader.h"
#include "source/xls/BiffVersion.h"
#include "source/xls/CellRecordReader.h"
#include "source/xls/WorkbookStream.h"
#include "source/xls/XlsSharedStrings.h"
#include "source/xls/XlsStyles.h"
#include "source/xls/XlsTextDecoder.h"

namespace quillmere::source::xls {

// The row cursor over one worksheet sub-stream. Opening surveys the sub-stream once: it
// finds a FILEPASS or CODEPAGE record and the number formats kept inside the sheet (BIFF2-4),
// checks every shared-string index, learns whether the cell records come in row order, and
// makes sure the sheet ends with its EOF record, so that a cut stream is never taken for a
// short sheet.
class XlsSheetReader : public SheetReader {
 public:
  // `stream`, `sharedStrings` and `file` outlive the reader. `workbookStyles` are the
  // number formats of the globals, which a BIFF5/8 sheet's cells refer to.
  XlsSheetReader(const std::filesystem::path& file, const WorkbookStream& stream, std::size_t start,
                 BiffVersion version, std::uint16_t codePage, const XlsSharedStrings& sharedStrings,
                 const XlsStyles& workbookStyles, const ReadLimits& limits);

  std::uint32_t gridRows() const override;
  bool nextRow() override;
  std::uint32_t rowNumber() const override { return rowNumber_; }
  std::size_t cellCount() const override { return cellCount_; }
  CellValue cell(std::size_t column) const override;
  void rewind() override;
  const CellFormats& cellFormats() const override { return formats_; }

  bool inRowOrder() const { return inRowOrder_; }

 private:
  // A cell of a sheet whose records are out of row order, kept compact since the whole
  // sheet is held.
  struct SortedCell {
    std::uint32_t row;
    std::uint16_t column;
    CellKind kind;
    std::uint16_t style;  // BIFF cells name their style in 16 bits
    bool lasting;         // the text is the workbook's own (a shared string), not copied
    std::uint32_t textLength;
    union {
      double number;
      std::size_t textOffset;
      const char* text;
    };
  };

  void survey(std::uint16_t& codePage);
  void collectSorted();
  bool nextStreamedRow();
  bool nextSortedRow();
  void place(std::uint16_t column, const CellValue& value);
  void checkColumn(std::uint16_t column) const;
  void clearRow();
  // Adds a cell's text to the row's, refusing the row past the limit.
  void countRowText(const CellValue& value);

  const std::filesystem::path* file_;
  BiffVersion version_;
  XlsTextDecoder decoder_;
  CellRecordReader records_;
  CellFormats formats_;
  bool inRowOrder_ = true;

  std::uint32_t rowNumber_ = 0;
  bool beyondOlderGrid_ = false;  // a row past an older version's 16,384 was read
  // The row's cells, row_[i] empty for i >= cellCount_: kept at the widest row's size, so
  // that placing a cell seldom grows them.
  std::vector<CellValue> row_;
  std::vector<std::size_t> ownedAt_;  // offsets into rowText_ for cells whose text it holds
  std::size_t cellCount_ = 0;
  std::string rowText_;
  std::size_t rowTextBytes_ = 0;  // every text the row's cell records held, shared or own
  std::size_t maxRowTextBytes_;

  // Row-order mode: the first cell of the next row, read ahead.
  ParsedCell pending_;
  bool hasPending_ = false;
  bool finished_ = false;

  // Out-of-order mode.
  std::vector<SortedCell> sorted_;
  std::string sortedText_;
  std::size_t sortedNext_ = 0;
};

}  // namespace quillmere::source::xls
