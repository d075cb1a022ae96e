// Prints the first worksheet of a workbook as tab-separated text forms, one row a line; with
// --as-shown, numbers as the sheet displays them.
#include <exception>
#include <iostream>
#include <string_view>

#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"

int main(int argc, char** argv) {
  using namespace quillmere::source;
  CellText as = CellText::TextForm;
  const char* file = nullptr;
  bool usage = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--as-shown" && as == CellText::TextForm) {
      as = CellText::AsShown;
    } else if (file == nullptr && !argument.starts_with("--")) {
      file = argv[i];
    } else {
      usage = true;
    }
  }
  if (usage || file == nullptr) {
    std::cerr << "usage: sheetdump [--as-shown] FILE\n";
    return 2;
  }
  std::ios::sync_with_stdio(false);
  try {
    auto workbook = openWorkbook(file);
    writeSheetTsv(workbook->firstSheet(), std::cout, as);
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
