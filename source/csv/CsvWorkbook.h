#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>

#include "source/ReadLimits.h"
#include "source/Workbook.h"
#include "source/csv/CsvSheetReader.h"

namespace quillmere::source::csv {

// A text file of values is a workbook of one worksheet.
class CsvWorkbook : public Workbook {
 public:
  CsvWorkbook(InputFile file, const CsvFormat& format, const ReadLimits& limits,
              std::size_t bufferBytes)
      : format_(format), sheet_(std::move(file), format, limits, bufferBytes) {}

  SheetReader& sheet() override { return sheet_; }
  bool readAsText() const override { return true; }

  // What the file turned out to be: encoding and separator.
  const CsvFormat& textFormat() const { return format_; }

 private:
  CsvFormat format_;
  CsvSheetReader sheet_;
};

// Opens a text file of values, telling its encoding and separator from its opening text.
// Throws WorkbookError naming the file.
std::unique_ptr<Workbook> openCsvWorkbook(const std::filesystem::path& path,
                                          const ReadLimits& limits);

// The same with a chosen buffer size, so that tests can put every boundary under a record.
std::unique_ptr<CsvWorkbook> openCsvWorkbook(const std::filesystem::path& path,
                                             const ReadLimits& limits, std::size_t bufferBytes);

}  // namespace quillmere::source::csv
