#include "source/xlsx/XlsxWorkbook.h"

#include "source/WorkbookError.h"

namespace quillmere::source::xlsx {

// Placeholder until the reader lands.
std::unique_ptr<Workbook> openXlsx(const std::filesystem::path& path, const ReadLimits&) {
  throw WorkbookError(WorkbookError::Kind::Unsupported, path, "cannot be read yet.");
}

}  // namespace quillmere::source::xlsx
