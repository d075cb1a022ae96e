// Prints the first worksheet of a workbook as tab-separated text forms, one row a line.
#include <exception>
#include <iostream>

#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: sheetdump FILE\n";
    return 2;
  }
  using namespace quillmere::source;
  std::ios::sync_with_stdio(false);
  try {
    auto workbook = openWorkbook(argv[1]);
    writeSheetTsv(workbook->firstSheet(), std::cout);
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
    std::cerr << argv[1] << ": " << e.what() << '\n';
    return 2;
  }
}
