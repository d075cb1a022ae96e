#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillmere::source {

// What a sheet of a workbook holds; only a worksheet has rows of cells to read.
enum class SheetKind { Worksheet, Chart, Macro, Dialog, Other };

// One sheet in a workbook's tab order.
struct SheetEntry {
  std::string name;
  SheetKind kind = SheetKind::Worksheet;
  bool hidden = false;
  friend bool operator==(const SheetEntry&, const SheetEntry&) = default;
};

// Asks openWorkbook for the first worksheet in tab order, as a workbook opens by default.
inline constexpr std::size_t kFirstWorksheet = static_cast<std::size_t>(-1);

// "worksheet", "chart", "macro", "dialog" or "other".
std::string_view sheetKindName(SheetKind kind);

// The index of the sheet a user named by its place in tab order (counted from 1) or by its
// name; a name is tried first, so a sheet called "2" is found by its name.
std::optional<std::size_t> findSheet(std::span<const SheetEntry> sheets,
                                     std::string_view numberOrName);

// The index in `sheets` of the worksheet to read: `requested`, or the first worksheet for
// kFirstWorksheet. Throws WorkbookError naming `file` when the requested sheet is not there
// or is not a worksheet; returns kFirstWorksheet when asked for the first and there is none,
// so that each format words that case itself.
std::size_t chooseWorksheet(const std::filesystem::path& file, std::span<const SheetEntry> sheets,
                            std::size_t requested);

}  // namespace quillmere::source
