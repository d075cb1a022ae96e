#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "source/ReadLimits.h"
#include "source/SheetReader.h"
#include "source/Workbook.h"
#include "source/load/KeptRows.h"
#include "source/load/RowsAhead.h"
#include "source/load/SheetLoader.h"
#include "source/load/SheetPreview.h"
#include "source/load/SheetTable.h"

namespace quillmere::core {

class ContactSheet;

// One cursor on a ContactSheet's rows, from the start of the sheet. It may hold the
// workbook's own cursor, which no one else gets until this is gone.
class SheetRows {
 public:
  SheetRows(SheetRows&& other) noexcept;
  SheetRows& operator=(SheetRows&&) = delete;
  ~SheetRows();

  source::SheetReader& reader() { return *reader_; }
  // Whether the rows come from what the load kept, not from the file.
  bool fromKeptRows() const { return kept_ != nullptr; }

 private:
  friend class ContactSheet;
  SheetRows() = default;

  std::unique_ptr<source::Workbook> opened_;  // the file opened again for this cursor alone
  std::unique_ptr<source::KeptRowsReader> kept_;
  // A workbook's rows (not a .csv's) are read on a thread of their own, ahead of the caller;
  // it goes before the workbook it reads.
  std::unique_ptr<source::RowsAhead> ahead_;
  source::SheetReader* reader_ = nullptr;
  bool* lent_ = nullptr;  // the sheet's flag for its own cursor, while this one has it
};

// A workbook's sheet as a load left it, ready to convert: its header columns and data-row
// count, the first rows for the preview grid, the workbook kept open (its strings and styles
// are not read again), and the decoded rows while they fit the memory budget. Conversions
// and card previews read rows through readRows(), so while the file is unchanged nothing is
// opened or decoded twice.
class ContactSheet {
 public:
  // Rows of 100,000 typical contacts take about 20 MiB; past this a conversion reads the
  // file again rather than hold a million-row sheet in memory.
  static constexpr std::size_t kKeptRowsBudget = std::size_t{256} << 20;

  // Loads the worksheet the options choose (the first by default), its headers in the row
  // they say; nullptr when the observer stopped the load.
  // Throws source::WorkbookError when it cannot be read.
  static std::unique_ptr<ContactSheet> load(const std::filesystem::path& workbook,
                                            source::LoadObserver& observer,
                                            source::LoadOptions options,
                                            std::size_t keptRowsBudget = kKeptRowsBudget);

  // Reads the header row alone: a conversion then finds the data rows as it goes, reading
  // the sheet once. Throws source::WorkbookError.
  static std::unique_ptr<ContactSheet> openHeaderRow(const std::filesystem::path& workbook,
                                                     const source::LoadOptions& options = {});

  ContactSheet(const ContactSheet&) = delete;
  ContactSheet& operator=(const ContactSheet&) = delete;
  ~ContactSheet();

  const source::SheetTable& table() const { return table_; }
  // Whether the workbook turned out to be a text file of values, whatever its name says.
  bool readAsText() const { return workbook_->readAsText(); }
  char decimalSeparator() const { return options_.decimalSeparator; }
  // Every sheet of the workbook in tab order; table().sheet is the one read.
  const std::vector<source::SheetEntry>& sheets() const { return workbook_->sheets(); }
  bool rowsKept() const { return kept_.whole() && kept_.rowCount() > 0; }
  // The row that looks like the header row when row 1 looks like a title; asked only of a
  // load with its headers in row 1.
  std::optional<std::uint32_t> suggestedHeaderRow() const { return suggestedHeaderRow_; }
  // The preview grid's rows, handed over once.
  source::SheetPreview takePreview() { return std::move(preview_); }

  // A cursor on the sheet from its start: over the kept rows while the file on disk is as it
  // was loaded (size, time of change and header row), else the workbook's own cursor when no
  // one holds it, else the file opened anew. Throws source::WorkbookError when it has to be
  // opened and cannot.
  SheetRows readRows();

 private:
  struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type changed;
    bool exists = false;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
  };

  ContactSheet(std::filesystem::path path, const source::LoadOptions& options);
  void open();
  void nameTable();
  static FileStamp stampOf(const std::filesystem::path& path);
  bool headerRowOnDiskUnchanged();
  SheetRows lendOwnCursor();

  std::filesystem::path path_;
  source::LoadOptions options_;
  FileStamp stamp_;
  std::unique_ptr<source::Workbook> workbook_;
  bool lent_ = false;
  source::SheetTable table_;
  source::SheetPreview preview_;
  source::KeptRows kept_;
  std::optional<std::uint32_t> suggestedHeaderRow_;
};

}  // namespace quillmere::core
