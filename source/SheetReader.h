#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "source/CellFormats.h"
#include "source/CellValue.h"

namespace quillmere::source {

// A forward cursor over the stored rows of one worksheet, with random access inside the
// current row. It never holds more than the current row, so memory stays flat however long
// the sheet is. Errors (corrupt data, limits) are thrown as WorkbookError.
class SheetReader {
 public:
  virtual ~SheetReader() = default;

  // Rows in the sheet's grid (not the used area): 1,048,576 for .xlsx and .csv,
  // 65,536 for BIFF8 .xls, 16,384 for older .xls.
  virtual std::uint32_t gridRows() const = 0;

  // Moves to the next row that has any stored cell; false at the end of the sheet. Rows
  // come in increasing order; rows that are not stored are empty.
  virtual bool nextRow() = 0;

  // The current row's number, counted from 1; 0 before the first nextRow().
  virtual std::uint32_t rowNumber() const = 0;

  // Columns stored in the current row: cell(c) for c >= cellCount() is empty.
  virtual std::size_t cellCount() const = 0;

  // A cell of the current row, column counted from 0.
  virtual CellValue cell(std::size_t column) const = 0;

  // Starts again before the first row.
  virtual void rewind() = 0;

  // The number formats of the cells' styles and the date system, for displayedText(); every
  // style General when the file has none (.csv). Lives as long as the reader.
  virtual const CellFormats& cellFormats() const { return CellFormats::general(); }

  // A second cursor over the same rows that moves apart from this one, for rows that never
  // change once read (kept rows); none for a reader of a file. Cursors may move on several
  // threads at once; they share one table of number formats, which must be parsed whole
  // (CellFormats::parseAll) before they ask it for formats on several threads.
  virtual std::unique_ptr<SheetReader> anotherCursor() const { return nullptr; }

  // Whether the rows are read on a thread of their own already, ahead of the caller: then
  // the caller's work with them had best stay on one thread of its own too.
  virtual bool readsAhead() const { return false; }

  // Work to run on the caller's thread every few milliseconds while nextRow() waits for what
  // another thread is still reading, so a window can answer its user meanwhile; an empty one
  // stops it. A reader that never waits on another thread ignores it.
  virtual void setWhileWaiting(std::function<void()> work) { static_cast<void>(work); }

  // Asks memory for the text of the row `rows` after the current one, which a cursor over rows
  // that never change can do so that the text is there when that row is read; only a hint.
  virtual void prefetchRow(std::size_t /*rows*/) const {}
};

}  // namespace quillmere::source
