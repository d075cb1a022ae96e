#include "source/csv/CsvWorkbook.h"

#include <string>
#include <system_error>

#include "source/WorkbookError.h"

namespace quillmere::source::csv {

using Kind = WorkbookError::Kind;

std::unique_ptr<CsvWorkbook> openCsvWorkbook(const std::filesystem::path& path,
                                             const ReadLimits& limits, std::size_t bufferBytes) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) {
    throw WorkbookError(Kind::Unreadable, path, "cannot be read: " + ec.message() + ".",
                        {.errorNumber = ec.value()});
  }
  if (size > limits.maxFileBytes) {
    throw WorkbookError(Kind::LimitExceeded, path,
                        "is larger than " + std::to_string(limits.maxFileBytes >> 20) +
                            " MiB, the most Quillmere reads as a text file.");
  }
  InputFile file(path);
  const CsvFormat format = detectCsvFormat(file, limits);
  auto workbook = std::make_unique<CsvWorkbook>(std::move(file), format, limits, bufferBytes);
  // A text file has one sheet, which spreadsheet programs name after the file.
  workbook->listSheets({{path.stem().string()}}, 0);
  return workbook;
}

std::unique_ptr<Workbook> openCsvWorkbook(const std::filesystem::path& path,
                                          const ReadLimits& limits) {
  return openCsvWorkbook(path, limits, kDefaultBufferBytes);
}

}  // namespace quillmere::source::csv
