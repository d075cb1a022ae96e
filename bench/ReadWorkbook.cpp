// Reads every cell's text form of a workbook's first sheet, the way the converter does, and
// prints how fast and how much memory it took. One file per process, so that the peak
// resident size belongs to this file alone. With --as-shown it takes each cell's displayed
// text instead, as the converter does with "Keep Numbers as Shown in the Sheet".
// Usage: read-workbook [--as-shown] FILE
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "source/CellTextForm.h"
#include "source/DisplayedText.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"

namespace {

// User and system time: on a shared machine it varies less than the wall clock.
double cpuSeconds(const rusage& usage) {
  const auto part = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return part(usage.ru_utime) + part(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
  const bool asShown = argc == 3 && std::string_view(argv[1]) == "--as-shown";
  if (argc != 2 && !asShown) {
    std::fputs("usage: read-workbook [--as-shown] FILE\n", stderr);
    return 2;
  }
  const char* file = argv[argc - 1];
  using namespace quillmere::source;
  try {
    const auto start = std::chrono::steady_clock::now();
    auto workbook = openWorkbook(file);
    SheetReader& sheet = workbook->sheet();
    std::uint64_t rows = 0, cells = 0, bytes = 0;
    std::string text;
    while (sheet.nextRow()) {
      ++rows;
      for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
        text.clear();
        if (asShown) {
          appendDisplayedText(text, sheet.cell(c), sheet.cellFormats());
        } else {
          appendTextForm(text, sheet.cell(c));
        }
        bytes += text.size();
        ++cells;
      }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) {
      std::perror("getrusage");
      return 2;
    }
    std::printf(
        "rows=%llu cells=%llu text_bytes=%llu seconds=%.4f cpu_seconds=%.4f rows_per_second=%.0f "
        "peak_kib=%ld\n",
        static_cast<unsigned long long>(rows), static_cast<unsigned long long>(cells),
        static_cast<unsigned long long>(bytes), seconds, cpuSeconds(usage),
        static_cast<double>(rows) / seconds, usage.ru_maxrss);
    return 0;
  } catch (const WorkbookError& e) {
    std::fprintf(stderr, "%s\n", e.what());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", file, e.what());
  }
  return 1;
}
