// Prints a worksheet of a workbook (the first unless --sheet names another) as tab-separated
// text forms, one row a line; with --as-shown, numbers as the sheet displays them; with
// --header-row N, from row N on. --list-sheets prints the workbook's sheets instead.
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "source/CellReference.h"
#include "source/SheetList.h"
#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"

namespace {

using namespace quillmere::source;

constexpr std::string_view kUsage =
    "usage: sheetdump [--as-shown] [--sheet NAME|NUMBER] [--header-row N] FILE\n"
    "       sheetdump --list-sheets FILE\n";

void listSheets(const Workbook& workbook) {
  const auto& sheets = workbook.sheets();
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    std::cout << i + 1 << '\t' << sheets[i].name << '\t' << sheetKindName(sheets[i].kind) << '\t'
              << (sheets[i].hidden ? "hidden" : "visible") << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  CellText as = CellText::TextForm;
  const char* file = nullptr;
  std::optional<std::string> sheetWanted;
  std::uint32_t headerRow = 1;
  bool list = false;
  bool usage = false;
  for (int i = 1; i < argc && !usage; ++i) {
    const std::string_view argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--as-shown") {
      as = CellText::AsShown;
    } else if (argument == "--list-sheets") {
      list = true;
    } else if (argument == "--sheet" && hasValue) {
      sheetWanted = argv[++i];
    } else if (argument == "--header-row" && hasValue) {
      const auto row = parseRowNumber(argv[++i]);
      usage = !row;
      headerRow = row.value_or(1);
    } else if (file == nullptr && !argument.starts_with("--")) {
      file = argv[i];
    } else {
      usage = true;
    }
  }
  if (usage || file == nullptr) {
    std::cerr << kUsage;
    return 2;
  }
  std::ios::sync_with_stdio(false);
  try {
    auto workbook = openWorkbook(file);
    if (list) {
      listSheets(*workbook);
    } else {
      if (sheetWanted) {
        const auto index = findSheet(workbook->sheets(), *sheetWanted);
        if (!index) {
          std::cerr << "sheetdump: \"" << file << "\" has no sheet named or numbered \""
                    << *sheetWanted << "\"; --list-sheets shows its sheets\n";
          return 2;
        }
        if (*index != workbook->sheetIndex()) workbook = openWorkbook(file, {}, *index);
      }
      writeSheetTsv(workbook->sheet(), std::cout, as, headerRow);
    }
    std::cout.flush();
    if (!std::cout) {
      std::cerr << "sheetdump: could not write the output\n";
      return 2;
    }
    return 0;
  } catch (const WorkbookError& e) {
    std::cerr << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << file << ": " << e.what() << '\n';
    return 2;
  }
}
