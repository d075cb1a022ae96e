// What formatting one cell costs: NumberFormat::display() over a million numbers for each of
// a set of codes, beside the plain text form (formatNumber) of the same numbers, and the heap
// allocations each call makes. Usage: numfmt_bench [CELLS]. Exits 1 when a goal is missed:
// no allocation beyond the result's own buffer (none for results that fit the short-string
// buffer), and no code more than 3 times as slow as the text form.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "source/CellTextForm.h"
#include "source/numfmt/NumberFormat.h"

namespace {

std::atomic<long> gAllocations{0};

constexpr double kMaxRatio = 3.0;
constexpr long kDefaultCells = 1000000;

struct Code {
  std::string_view code;
  double first;  // values run from first to first + span
  double span;
};

constexpr Code kCodes[] = {
    {"General", 1, 99999999},
    {"00000", 1, 99999},
    {"0000 0000000", 1000000000, 999999999},
    {"(###) ###-####", 2000000000, 7999999999},
    {"#,##0.00", -1000000, 2000000},
    {"0.00%", 0, 1},
    {"0.00E+00", 1, 1e12},
    {"# ?\?/??", 0, 100},
    {"d mmmm yyyy", 1, 60000},
    {"m/d/yyyy h:mm", 1, 60000},
    {"[h]:mm:ss", 0, 10},
    {"_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"??_);_(@_)", -100000, 200000},
};

double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

// Kept out of line: inlined, GCC 12 pairs the free() below with operator new at the call
// site and reports a mismatch that replacement functions do not have.
[[gnu::noinline]] void* operator new(std::size_t size) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
  std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

int main(int argc, char** argv) {
  const long cells = argc > 1 ? std::atol(argv[1]) : kDefaultCells;
  if (cells <= 0) {
    std::fprintf(stderr, "usage: numfmt_bench [CELLS]\n");
    return 2;
  }
  bool ok = true;
  std::size_t sink = 0;
  std::printf("%-28s %10s %10s %8s %12s %12s\n", "code", "ns/cell", "text ns", "ratio",
              "allocs/cell", "long results");
  for (const Code& c : kCodes) {
    std::vector<double> values(static_cast<std::size_t>(cells));
    for (long i = 0; i < cells; ++i)
      values[static_cast<std::size_t>(i)] =
          c.first + c.span * static_cast<double>(i) / static_cast<double>(cells);

    const auto textStart = std::chrono::steady_clock::now();
    for (const double v : values)
      sink += quillmere::source::formatNumber(v).size();
    const double textSeconds = seconds(std::chrono::steady_clock::now() - textStart);

    const auto format = quillmere::source::numfmt::NumberFormat::parse(c.code);
    long longResults = 0;
    const long allocationsBefore = gAllocations.load();
    const auto start = std::chrono::steady_clock::now();
    for (const double v : values) {
      const std::string shown = format.display(v, false);
      sink += shown.size();
      if (shown.size() > std::string().capacity()) ++longResults;
    }
    const double formatSeconds = seconds(std::chrono::steady_clock::now() - start);
    const long allocations = gAllocations.load() - allocationsBefore;

    const double ns = formatSeconds * 1e9 / static_cast<double>(cells);
    const double textNs = textSeconds * 1e9 / static_cast<double>(cells);
    const double ratio = ns / textNs;
    const double perCell = static_cast<double>(allocations) / static_cast<double>(cells);
    std::string label(c.code.substr(0, 28));
    std::printf("%-28s %10.1f %10.1f %8.2f %12.3f %12ld\n", label.c_str(), ns, textNs, ratio,
                perCell, longResults);
    const bool general = format.isGeneral();
    if (!general && allocations > longResults) {
      std::printf("  over goal: %ld allocations for %ld results beyond the short buffer\n",
                  allocations, longResults);
      ok = false;
    }
    if (ratio > kMaxRatio) {
      std::printf("  over goal: %.2f times the text form\n", ratio);
      ok = false;
    }
  }
  std::printf("(checksum %zu)\n%s\n", sink, ok ? "goals met" : "GOALS MISSED");
  return ok ? 0 : 1;
}
