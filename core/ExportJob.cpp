#include "core/ExportJob.h"

#include "source/load/SheetLoader.h"

namespace quillmere::core {

namespace {

std::string changedMessage(WorkbookChanged::Kind kind, const std::filesystem::path& file) {
  std::string text = "\"" + file.string() + "\" has changed since it was loaded: ";
  switch (kind) {
    case WorkbookChanged::Kind::HeaderRowGone:
      return text + "its first row of column headers is gone.";
    case WorkbookChanged::Kind::HeadersDiffer:
      return text + "its column headers in row 1 are not the ones that were mapped.";
    case WorkbookChanged::Kind::FewerRows:
      break;
  }
  return text + "fewer rows of contacts were found in it than were counted then.";
}

}  // namespace

WorkbookChanged::WorkbookChanged(Kind kind, const std::filesystem::path& file)
    : std::runtime_error(changedMessage(kind, file)), kind_(kind), file_(file) {}

void checkHeaderRow(source::SheetReader& sheet, const ExportJob& job) {
  const auto& loaded = job.table.headers;
  if (!sheet.nextRow() || sheet.rowNumber() != 1) {
    throw WorkbookChanged(WorkbookChanged::Kind::HeaderRowGone, job.table.workbook);
  }
  const auto now = source::scanHeaders(sheet, job.decimalSeparator);
  bool same = now.size() == loaded.size();
  for (std::size_t i = 0; same && i < now.size(); ++i)
    same = now[i].text == loaded[i].text;
  if (!same) throw WorkbookChanged(WorkbookChanged::Kind::HeadersDiffer, job.table.workbook);
}

}  // namespace quillmere::core
