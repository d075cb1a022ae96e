#include "core/ExportJob.h"

#include <string>

#include "source/load/SheetLoader.h"

namespace quillmere::core {

void checkHeaderRow(source::SheetReader& sheet, const ExportJob& job) {
  const auto& loaded = job.table.headers;
  const std::string name = job.table.workbook.string();
  if (!sheet.nextRow() || sheet.rowNumber() != 1) {
    throw WorkbookChanged("\"" + name +
                          "\" has changed since it was loaded: its first row of column headers "
                          "is gone. Load it again with Browse... and check the mapping.");
  }
  const auto now = source::scanHeaders(sheet, job.decimalSeparator);
  bool same = now.size() == loaded.size();
  for (std::size_t i = 0; same && i < now.size(); ++i)
    same = now[i].text == loaded[i].text;
  if (!same) {
    throw WorkbookChanged("\"" + name +
                          "\" has changed since it was loaded: its column headers in row 1 are "
                          "not the ones that were mapped. Load it again with Browse... and check "
                          "the mapping.");
  }
}

std::string fewerRowsMessage(const source::SheetTable& table) {
  return "\"" + table.workbook.string() +
         "\" has changed since it was loaded: fewer rows of contacts were found in it than were "
         "counted then.";
}

}  // namespace quillmere::core
