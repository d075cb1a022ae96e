#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/DateColumns.h"
#include "core/PictureShrinker.h"
#include "source/SheetReader.h"
#include "source/load/SheetTable.h"

namespace quillmere::core {

// What a run turns into records: the sheet as it was loaded, and which columns fill which
// fields. Columns mapped alike fill their field from the right-most non-empty one. A table
// whose rows were not counted has the run find its data rows as it goes.
struct ExportJob {
  const source::SheetTable& table;
  std::vector<ColumnPair> columns;
  char decimalSeparator = '.';
  // A report of the rows is kept: records built ahead come with their contact keys, made
  // where the values are at hand rather than on the run's thread.
  bool contactKeys = false;
  // Changes each record after it is built, before it is read back: a writer at fault, for
  // the tests of the read-back. None in a real run.
  std::function<void(std::string& record)> alterRecord{};
  // Off only where a benchmark measures what reading every card back costs the run.
  bool readBack = true;
  // By column, what a date column's own dates say of its other forms; where they say no
  // order, the options' is taken.
  std::vector<DateColumn> dateColumns{};
  // Reads a Photo column's pictures into the cards; none leaves them out, each noted.
  const PictureShrinker* pictures = nullptr;
};

// The workbook no longer is the one that was loaded; nothing was written. The message states
// the fact; a window or a command line adds what its user can do about it.
class WorkbookChanged : public std::runtime_error {
 public:
  enum class Kind {
    HeaderRowGone,  // the header row is no longer there
    HeadersDiffer,  // the header row no longer holds the headers that were mapped
    FewerRows,      // the sheet ended before the rows the load counted
  };

  WorkbookChanged(Kind kind, const std::filesystem::path& file, std::uint32_t headerRow = 1);

  Kind kind() const { return kind_; }
  const std::filesystem::path& file() const { return file_; }
  std::uint32_t headerRow() const { return headerRow_; }

 private:
  Kind kind_;
  std::filesystem::path file_;
  std::uint32_t headerRow_;
};

// Reads the header row of `sheet`, which must be at its start, and throws WorkbookChanged when its
// header columns are not the ones the job's table was loaded with.
void checkHeaderRow(source::SheetReader& sheet, const ExportJob& job);

}  // namespace quillmere::core
