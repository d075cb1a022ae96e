#include "source/SheetList.h"

#include <charconv>
#include <string>

#include "source/WorkbookError.h"

namespace quillmere::source {

std::string_view sheetKindName(SheetKind kind) {
  switch (kind) {
    case SheetKind::Worksheet:
      return "worksheet";
    case SheetKind::Chart:
      return "chart";
    case SheetKind::Macro:
      return "macro";
    case SheetKind::Dialog:
      return "dialog";
    case SheetKind::Other:
      break;
  }
  return "other";
}

std::optional<std::size_t> findSheet(std::span<const SheetEntry> sheets,
                                     std::string_view numberOrName) {
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (sheets[i].name == numberOrName) return i;
  }
  std::size_t number = 0;
  const char* end = numberOrName.data() + numberOrName.size();
  const auto [stop, error] = std::from_chars(numberOrName.data(), end, number);
  if (error != std::errc{} || stop != end || number == 0 || number > sheets.size()) {
    return std::nullopt;
  }
  return number - 1;
}

std::size_t chooseWorksheet(const std::filesystem::path& file, std::span<const SheetEntry> sheets,
                            std::size_t requested) {
  if (requested == kFirstWorksheet) {
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      if (sheets[i].kind == SheetKind::Worksheet) return i;
    }
    return kFirstWorksheet;
  }
  if (requested >= sheets.size()) {
    throw WorkbookError(WorkbookError::Kind::NoWorksheet, file,
                        "has no sheet number " + std::to_string(requested + 1) + ": it has " +
                            std::to_string(sheets.size()) +
                            (sheets.size() == 1 ? " sheet." : " sheets."));
  }
  const SheetEntry& entry = sheets[requested];
  if (entry.kind != SheetKind::Worksheet) {
    throw WorkbookError(WorkbookError::Kind::NoWorksheet, file,
                        "has no rows to read on its sheet \"" + entry.name + "\": it is a " +
                            std::string(sheetKindName(entry.kind)) +
                            " sheet, not a worksheet. Choose a worksheet.");
  }
  return requested;
}

}  // namespace quillmere::source
