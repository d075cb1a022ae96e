#include "source/xls/XlsWorkbook.h"

#include "source/WorkbookError.h"

namespace quillmere::source::xls {

// Placeholder until the reader lands.
std::unique_ptr<Workbook> openXls(const std::filesystem::path& path, const ReadLimits&) {
  throw WorkbookError(WorkbookError::Kind::Unsupported, path, "cannot be read yet.");
}

}  // namespace quillmere::source::xls
