#include "source/csv/CsvWorkbook.h"

#include "source/WorkbookError.h"

namespace quillmere::source::csv {

// Placeholder until the reader lands.
std::unique_ptr<Workbook> openCsv(const std::filesystem::path& path, const ReadLimits&) {
  throw WorkbookError(WorkbookError::Kind::Unsupported, path, "cannot be read yet.");
}

}  // namespace quillmere::source::csv
