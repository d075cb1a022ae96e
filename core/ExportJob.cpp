#include "core/ExportJob.h"

#include <string>

#include "core/QuotedPath.h"
#include "source/load/SheetLoader.h"

namespace quillmere::core {

namespace {

std::string changedMessage(WorkbookChanged::Kind kind, const std::filesystem::path& file,
                           std::uint32_t headerRow) {
  std::string text = quotedPath(file) + " has changed since it was loaded: ";
  const std::string row = std::to_string(headerRow);
  switch (kind) {
    case WorkbookChanged::Kind::HeaderRowGone:
      if (headerRow != 1) return text + "its row " + row + " of column headers is gone.";
      return text + "its first row of column headers is gone.";
    case WorkbookChanged::Kind::HeadersDiffer:
      return text + "its column headers in row " + row + " are not the ones that were mapped.";
    case WorkbookChanged::Kind::FewerRows:
      break;
  }
  return text + "fewer rows of contacts were found in it than were counted then.";
}

}  // namespace

WorkbookChanged::WorkbookChanged(Kind kind, const std::filesystem::path& file,
                                 std::uint32_t headerRow)
    : std::runtime_error(changedMessage(kind, file, headerRow)),
      kind_(kind),
      file_(file),
      headerRow_(headerRow) {}

void checkHeaderRow(source::SheetReader& sheet, const ExportJob& job) {
  const auto& loaded = job.table.headers;
  const std::uint32_t headerRow = job.table.headerRow;
  if (!source::seekRow(sheet, headerRow)) {
    throw WorkbookChanged(WorkbookChanged::Kind::HeaderRowGone, job.table.workbook, headerRow);
  }
  const auto now = source::scanHeadersOf(sheet, job.decimalSeparator, job.table);
  bool same = now.size() == loaded.size();
  for (std::size_t i = 0; same && i < now.size(); ++i)
    same = now[i].text == loaded[i].text;
  if (!same) {
    throw WorkbookChanged(WorkbookChanged::Kind::HeadersDiffer, job.table.workbook, headerRow);
  }
}

}  // namespace quillmere::core
